#pragma once

#include "kvoCore/DTO.h"

#include <QObject>
#include <QString>

namespace ClientBase {

// Routes every incoming record by its "FN" (group + "_" + action) to the signal of its group. Lives
// in the link's thread; the group signals reach the controllers in the GUI thread queued.
class HandleReceivedMessagesBase : public QObject {
    Q_OBJECT
public:
    explicit HandleReceivedMessagesBase(QObject* parent = nullptr);

    QString lastFullName() const { return m_lastFullName; }
    QString lastGroup() const { return m_lastGroup; }
    QString lastAction() const { return m_lastAction; }

public Q_SLOTS:
    void onMessageReceived(SpDto mapParams);

protected:
    // Emits the group's signal; a group the class does not know is dropped.
    virtual void handleMessage(const QString& group, const QString& action, const SpDto& dto) = 0;

private:
    QString m_lastFullName;
    QString m_lastGroup;
    QString m_lastAction;
};

} // namespace ClientBase
