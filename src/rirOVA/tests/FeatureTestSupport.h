#pragma once

// The application's real link object and message handler, installed as the shared link but not
// connected: what the controllers send is captured from the link's send signal, and incoming records
// go through the handler's routing by "FN" exactly as the link thread hands them over.

#include "kvoClientController/controller/ControllerItemBase.h"
#include "kvoCore/DTO.h"

#include <QAbstractItemModelTester>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QTemporaryDir>
#include <memory>

#include <gtest/gtest.h>

namespace FeatureTest {

class FeatureEnvironment : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;
};

// Every message sent since the last clearSent(), in order.
QList<QJsonObject> sent();
void clearSent();
// The messages sent with that "FN".
QList<QJsonObject> sentWith(const QString& fullName);

// Hands a record to the application's message handler, as the link does for a received frame.
void deliver(const QJsonObject& record);

// Adds the "entries" of every "saGetList" to the controller's list inside the signal, as the view's
// table component does: answers addressed to it, or every answer when the list is static.
void addEntriesLikeTheView(ClientController::ControllerItemBase& controller);

// Runs the test in a fresh current directory, restored afterwards.
class ScopedWorkDir {
public:
    ScopedWorkDir();
    ~ScopedWorkDir();
    QString path() const { return _dir.path() + QStringLiteral("/work"); }

private:
    QTemporaryDir _dir;
    QString _previous;
};

// QAbstractItemModelTester on a controller's two models while the object lives.
class ModelCheck {
public:
    explicit ModelCheck(ClientController::ControllerItemBase& controller);

private:
    QAbstractItemModelTester _original;
    QAbstractItemModelTester _proxy;
};

QJsonArray ids(const QList<qint64>& values);

} // namespace FeatureTest
