#include "HandleReceivedMessagesBase.h"

#include <QStringList>

namespace ClientBase {

HandleReceivedMessagesBase::HandleReceivedMessagesBase(QObject* parent) : QObject(parent) {}

void HandleReceivedMessagesBase::onMessageReceived(SpDto mapParams) {
    if (!mapParams) {
        return;
    }
    m_lastFullName = mapParams->params.value(QStringLiteral("FN")).toString();
    const QStringList parts = m_lastFullName.split(QLatin1Char('_'), Qt::SkipEmptyParts);
    if (parts.size() != 2) {
        return;
    }
    m_lastGroup = parts.at(0);
    m_lastAction = parts.at(1);
    handleMessage(m_lastGroup, m_lastAction, mapParams);
}

} // namespace ClientBase
