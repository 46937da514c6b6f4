#pragma once

// Shared pieces of the list model tests: a small entity, a capture of the "main" log, and a fixture that
// keeps Qt's model tester on the models while a test runs and turns its complaints into failures.

#include "kvoClientController/controller/OriginalModel.h"
#include "kvoClientController/controller/ProxyModel.h"
#include "kvoModel/model/ModelBase.h"

#include <QAbstractItemModelTester>
#include <QLoggingCategory>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <spdlog/sinks/ostream_sink.h>
#include <spdlog/spdlog.h>
#include <sstream>

namespace ListTest {

// Roles in name order: count, dtInsert, dtUpdate, id, name, ratio, serial.
class ItemModel : public KvoModel::ModelBase {
public:
    explicit ItemModel(quint64 rowLimit = 0) : ModelBase(QStringLiteral("item")) {
        FieldDescr name(fpNormal, QString(), QString());
        name.setSimpleSqlDescr(sftText, false, QString()).setName(QStringLiteral("Name"));
        fields[QStringLiteral("name")] = name;
        FieldDescr count(fpNormal, QString(), QString());
        count.setSimpleSqlDescr(sftInt, true, 0).setName(QStringLiteral("Count"));
        fields[QStringLiteral("count")] = count;
        FieldDescr ratio(fpNormal, QString(), QString());
        ratio.setSimpleSqlDescr(sftDouble, true, 0.0);
        fields[QStringLiteral("ratio")] = ratio;
        FieldDescr serial(fpNormal, QString(), QString());
        serial.setSimpleSqlDescr(sftVarchar, false, QString());
        fields[QStringLiteral("serial")] = serial;
        setLimit(rowLimit);
    }
};

inline SharedPointerEx<KvoModel::ModelBase> makeEntity(quint64 rowLimit = 0) {
    return SharedPointerEx<KvoModel::ModelBase>(new ItemModel(rowLimit));
}

inline QVariantMap record(qint64 id, qint64 dtUpdate, const QString& name = QString(), int count = 0) {
    return {{QStringLiteral("id"), id},
            {QStringLiteral("dtUpdate"), dtUpdate},
            {QStringLiteral("name"), name},
            {QStringLiteral("count"), count}};
}

// Everything the "main" logger writes while the capture is alive.
class LogCapture {
public:
    LogCapture() {
        static std::once_flag once;
        std::call_once(once, [] {
            auto logger = std::make_shared<spdlog::logger>(
                "main", std::make_shared<spdlog::sinks::ostream_sink_mt>(stream(), true));
            logger->set_level(spdlog::level::trace);
            logger->set_pattern("%l %v");
            spdlog::register_logger(logger);
        });
        stream().str({});
    }
    std::string text() const { return stream().str(); }
    bool contains(const std::string& part) const { return text().find(part) != std::string::npos; }
    int count(const std::string& part) const {
        const std::string all = text();
        int n = 0;
        for (auto pos = all.find(part); pos != std::string::npos; pos = all.find(part, pos + part.size())) {
            ++n;
        }
        return n;
    }

private:
    static std::ostringstream& stream() {
        static std::ostringstream s;
        return s;
    }
};

// Qt's model tester reports through the "qt.modeltest" category; each report fails the running test.
class ModelTesterFixture : public ::testing::Test {
protected:
    void SetUp() override { previous = qInstallMessageHandler(&ModelTesterFixture::handler); }
    void TearDown() override {
        testers.clear();
        qInstallMessageHandler(previous);
    }
    // For models that live as long as the fixture.
    void watch(QAbstractItemModel* model) { testers.push_back(tester(model)); }
    // For models local to a test: the tester must go before its model.
    static std::unique_ptr<QAbstractItemModelTester> tester(QAbstractItemModel* model) {
        return std::make_unique<QAbstractItemModelTester>(
            model, QAbstractItemModelTester::FailureReportingMode::Warning);
    }

private:
    static void handler(QtMsgType, const QMessageLogContext& context, const QString& message) {
        if (context.category && QByteArray(context.category) == "qt.modeltest") {
            ADD_FAILURE() << "model tester: " << message.toStdString();
        }
    }
    QtMessageHandler previous = nullptr;
    std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
};

inline QList<qint64> ids(const OriginalModel& model) {
    QList<qint64> result;
    for (const QVariant& row : model.rows()) {
        result.append(row.toMap().value(QStringLiteral("id")).toLongLong());
    }
    return result;
}

inline QList<qint64> ids(const ProxyModel& proxy) {
    QList<qint64> result;
    for (int row = 0; row < proxy.rowCount(); ++row) {
        result.append(proxy.proxyData(row, QStringLiteral("id")).toLongLong());
    }
    return result;
}

} // namespace ListTest
