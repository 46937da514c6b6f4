#include "rirOVA/client/network/HandleRecievedMessages.h"
#include "rirOVA/p2pclient/network/HandleRecievedMessages.h"

#include <QMetaMethod>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

// One spy per group signal the handler class declares itself.
class GroupSpies {
public:
    explicit GroupSpies(QObject* handler) {
        const QMetaObject* meta = handler->metaObject();
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            if (method.methodType() == QMetaMethod::Signal) {
                m_spies[QString::fromLatin1(method.name())] = std::make_unique<QSignalSpy>(handler, method);
            }
        }
    }
    QStringList names() const {
        QStringList result;
        for (const auto& entry : m_spies) {
            result.append(entry.first);
        }
        return result;
    }
    // Names of the signals that fired since the last call, then forgets them.
    QStringList takeFired() {
        QStringList fired;
        for (auto& entry : m_spies) {
            if (!entry.second->isEmpty()) {
                fired.append(entry.first);
            }
        }
        return fired;
    }
    QSignalSpy& spy(const QString& name) { return *m_spies.at(name); }
    void clear() {
        for (auto& entry : m_spies) {
            entry.second->clear();
        }
    }

private:
    std::map<QString, std::unique_ptr<QSignalSpy>> m_spies;
};

SpDto withName(const QJsonValue& fn) {
    return std::make_shared<KvoCore::DTO>(KvoCore::DTO{{"FN", fn}, {"n", 7}});
}

} // namespace

TEST(Routing, DirectHandlerRoutesEveryGroupToItsOwnSignal) {
    DodEzoviviZudorOzerir::HandleRecievedMessages handler;
    GroupSpies spies(&handler);
    EXPECT_EQ(spies.names().size(), 16);

    const std::pair<QString, QString> table[] = {
        {"device", "deviceMessage"},
        {"deviceRecState", "deviceRecStateMessage"},
        {"users", "userMessage"},
        {"events", "eventsMessage"},
        {"searchDevices", "searchDevicesMessage"},
        {"youtubeSettings", "youtubeSettingsMessage"},
        {"telegramSettings", "telegramSettingsMessage"},
        {"archive", "archiveMessage"},
        {"onlineAccessSettings", "onlineAccessSettingsMessage"},
        {"archivePlayer", "archivePlayerMessage"},
        {"devicePassword", "devicePasswordMessage"},
        {"moduleSystem", "moduleSystemMessage"},
        {"auth", "authMessage"},
        {"deviceType", "deviceTypeMessage"},
        {"app", "appMessage"},
        {"desktopLayout", "desktopLayoutMessage"},
    };
    QStringList routed;
    for (const auto& [group, signal] : table) {
        SpDto dto = withName(group + "_saGetList");
        handler.onMessageReceived(dto);
        EXPECT_EQ(spies.takeFired(), QStringList{signal}) << group.toStdString();
        QSignalSpy& spy = spies.spy(signal);
        ASSERT_EQ(spy.size(), 1);
        EXPECT_EQ(spy[0][0].toString(), "saGetList");
        EXPECT_EQ(spy[0][1].value<SpDto>(), dto);
        EXPECT_EQ(handler.lastGroup(), group);
        EXPECT_EQ(handler.lastAction(), "saGetList");
        routed.append(signal);
        spies.clear();
    }
    routed.sort();
    QStringList all = spies.names();
    all.sort();
    EXPECT_EQ(routed, all);
}

TEST(Routing, RecordsWithoutAUsableNameOrKnownGroupAreDropped) {
    DodEzoviviZudorOzerir::HandleRecievedMessages handler;
    GroupSpies spies(&handler);
    for (const QJsonValue& fn : {QJsonValue("Device_saGetList"), QJsonValue("device_sa_GetList"),
                                 QJsonValue("device"), QJsonValue("_device"), QJsonValue("devices_saGetList"),
                                 QJsonValue(""), QJsonValue(42), QJsonValue()}) {
        handler.onMessageReceived(withName(fn));
        EXPECT_TRUE(spies.takeFired().isEmpty()) << fn.toVariant().toString().toStdString();
    }
    handler.onMessageReceived(std::make_shared<KvoCore::DTO>(KvoCore::DTO{{"n", 1}}));
    handler.onMessageReceived(nullptr);
    EXPECT_TRUE(spies.takeFired().isEmpty());

    // Exactly two non-empty parts: a doubled, leading or trailing underscore is no message.
    for (const char* fn : {"device__saInfo", "_device_saInfo", "device_saInfo_", "_"}) {
        handler.onMessageReceived(withName(fn));
        EXPECT_TRUE(spies.takeFired().isEmpty()) << fn;
    }
    EXPECT_EQ(handler.lastFullName(), "_");
    handler.onMessageReceived(withName("device_saInfo"));
    EXPECT_EQ(spies.takeFired(), QStringList{"deviceMessage"});
}

TEST(Routing, P2PHandlerPassesOnlyUsersAndAuth) {
    DodEzoviviZudorOzerirP2P::HandleRecievedMessages handler;
    GroupSpies spies(&handler);
    QStringList names = spies.names();
    names.sort();
    EXPECT_EQ(names, QStringList({"authMessage", "userMessage"}));

    handler.onMessageReceived(withName("users_saGetList"));
    EXPECT_EQ(spies.takeFired(), QStringList{"userMessage"});
    spies.clear();
    handler.onMessageReceived(withName("auth_saAuth"));
    EXPECT_EQ(spies.takeFired(), QStringList{"authMessage"});
    EXPECT_EQ(spies.spy("authMessage")[0][0].toString(), "saAuth");
    spies.clear();
    for (const char* dropped : {"device_saGetList", "app_saInfo", "archive_saGetList", "Users_saGetList"}) {
        handler.onMessageReceived(withName(dropped));
        EXPECT_TRUE(spies.takeFired().isEmpty()) << dropped;
    }
}
