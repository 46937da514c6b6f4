#pragma once

#include "kvoCore/DTO.h"
#include "kvoCore/SharedPointerEx.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <memory>
#include <string>

class QObject;

namespace KvoModel {
class ModelBase;
}

namespace spdlog {
class logger;
}

namespace ClientController {

// Identity of a controller and the send routine shared by all controllers. Every outgoing action
// carries "FN" = controllerName + "_" + action and "_receiver" = objectNumber; the server echoes
// "_receiver", so that a controller tells the answers to its own requests from those of the other
// controllers of its group. Not a QObject: the second base of the QML-facing controller classes.
class ControllerBase {
public:
    ControllerBase();
    ControllerBase(const ControllerBase&) = delete;
    ControllerBase& operator=(const ControllerBase&) = delete;

protected:
    // Reaction to one message of the controller's group; true when the action was handled.
    virtual bool handleMessage(const QString& actionName, const SpDto& mapParams);

public:
    virtual ~ControllerBase();

    const QString& objectNumber() const { return _objectNumber; }
    const QString& controllerName() const { return _controllerName; }
    const SharedPointerEx<KvoModel::ModelBase>& entityModel() const { return _entityModel; }
    const std::string& logName() const { return _logName; }
    // The parameters of the last "trGetList" sent with saving; the base of every refresh.
    const QJsonObject& savedListParams() const { return _savedListParams; }
    bool useTrGetList() const { return _useTrGetList; }
    void setUseTrGetList(bool value) { _useTrGetList = value; }

    // The process-wide command buffer: while buffering, every controller's sends are collected.
    static bool isBuffering();
    static QList<SpDto> bufferedCommands();

protected:
    void setControllerName(const QString& name) { _controllerName = name; }
    void setEntityModel(const SharedPointerEx<KvoModel::ModelBase>& model) { _entityModel = model; }
    void setLogName(const std::string& name) { _logName = name; }
    void setSavedListParams(const QJsonObject& params) { _savedListParams = params; }

    // Sends `action` of this controller's group with `params`. The envelope keys "FN" and "_receiver"
    // always name this controller, even when `params` carries copies of them from a received record.
    // While buffering the message is only collected. Without a shared link the message is dropped and
    // the failure logged.
    void send(const QString& action, const QJsonObject& params = QJsonObject());

    // Empties the buffer and starts collecting / stops collecting (the buffer is kept).
    static void startBuffering();
    static void stopBuffering();
    // Hands the whole buffer as one list to the shared link; the buffer and the flag stay as they are.
    static void sendBuffered(bool block4write);

    // Connects the signal `signalName`(QString, SpDto) of the shared link's message handler to the
    // slot onMessageReceived(QString, SpDto) of `receiver`. Throws the null-pointer error when the
    // link or its handler is missing. A handler without that signal (a link kind that does not route
    // the group) is logged as a warning and false returned.
    bool connectToMessageHandler(const char* signalName, QObject* receiver) const;

    // The log named logName(), or spdlog's default logger while that one is not registered.
    std::shared_ptr<spdlog::logger> logger() const;
    // Logs an exception caught in a slot or an invokable, which must not reach the event loop.
    void logException(const QString& location, const std::exception& e) const;

private:
    QString _objectNumber;
    QString _controllerName;
    SharedPointerEx<KvoModel::ModelBase> _entityModel;
    std::string _logName{"main"};
    QJsonObject _savedListParams;
    bool _useTrGetList = false;
};

} // namespace ClientController
