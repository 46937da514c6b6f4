#pragma once

#include <QObject>
#include <QString>

class QmlVlcPlayerProxy;

class QmlVlcDeinterlace : public QObject {
    Q_OBJECT
public:
    explicit QmlVlcDeinterlace(QmlVlcPlayerProxy& owner) : m_owner(owner) {}

    Q_INVOKABLE void enable(const QString& mode);
    Q_INVOKABLE void disable();

private:
    QmlVlcPlayerProxy& m_owner;
};
