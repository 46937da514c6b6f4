#pragma once

#include "kvoClientController/controller/ControllerBase.h"
#include "kvoCore/DTO.h"

#include <QObject>

namespace ClientController {

// A controller without list and without QML item, e.g. the log-in controller. A concrete console
// controller sets its controller name and connects its message handler signal with
// connectMessageHandler("<group>Message") in its constructor, and overrides handleMessage.
class ControllerConsoleBase : public QObject, public ControllerBase {
    Q_OBJECT
public:
    explicit ControllerConsoleBase(QObject* parent = nullptr);
    ~ControllerConsoleBase() override;

Q_SIGNALS:
    // For subclasses; the base never emits it.
    void saCreate(KvoCore::DTO& mapParams);

public Q_SLOTS:
    void onMessageReceived(const QString& actionName, SpDto mapParams);

protected:
    bool connectMessageHandler(const char* signalName);
};

} // namespace ClientController
