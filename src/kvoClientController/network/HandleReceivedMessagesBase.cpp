#include "HandleReceivedMessagesBase.h"

#include <QStringList>

namespace ClientBase {

HandleReceivedMessagesBase::HandleReceivedMessagesBase(QObject* parent) : QObject(parent) {}

void HandleReceivedMessagesBase::onMessageReceived(SpDto mapParams) {
    if (!mapParams) {
        return;
    }
    m_lastFullName = mapParams->params.value(QStringLiteral("FN")).toString();
    // Exactly group "_" action, both non-empty: "_auth_trAuth" or "auth__trAuth" is no message.
    const QStringList parts = m_lastFullName.split(QLatin1Char('_'));
    if (parts.size() != 2 || parts.at(0).isEmpty() || parts.at(1).isEmpty()) {
        return;
    }
    m_lastGroup = parts.at(0);
    m_lastAction = parts.at(1);
    handleMessage(m_lastGroup, m_lastAction, mapParams);
}

} // namespace ClientBase
