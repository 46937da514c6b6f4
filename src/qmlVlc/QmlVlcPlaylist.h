#pragma once

#include "qmlVlc/QmlVlcMedia.h"

#include <QObject>
#include <QQmlListProperty>
#include <QStringList>

class QmlVlcPlayerProxy;

class QmlVlcPlaylist : public QObject {
    Q_OBJECT
    Q_PROPERTY(unsigned itemCount READ itemCount)
    Q_PROPERTY(bool isPlaying READ isPlaying)
    Q_PROPERTY(QQmlListProperty<QmlVlcMedia> items READ items)
    Q_PROPERTY(int currentItem READ currentItem WRITE setCurrentItem NOTIFY currentItemChanged)
    Q_PROPERTY(Mode mode READ mode WRITE setMode)
public:
    enum Mode {
        Single = 0,
        Normal = 1,
        Loop = 2,
    };
    Q_ENUM(Mode)

    explicit QmlVlcPlaylist(QmlVlcPlayerProxy& owner) : m_owner(owner) {}

    unsigned itemCount() const;
    bool isPlaying() const;
    QQmlListProperty<QmlVlcMedia> items();
    int currentItem() const;
    void setCurrentItem(int idx);
    Mode mode() const;
    void setMode(Mode mode);

    Q_INVOKABLE int add(const QString& mrl);
    Q_INVOKABLE int add(QmlVlcMedia* media);
    Q_INVOKABLE int addWithOptions(const QString& mrl, const QStringList& options);
    Q_INVOKABLE void play();
    Q_INVOKABLE bool playItem(unsigned idx);
    Q_INVOKABLE void pause();
    Q_INVOKABLE void togglePause();
    Q_INVOKABLE void stop();
    Q_INVOKABLE void next();
    Q_INVOKABLE void prev();
    Q_INVOKABLE void clear();
    Q_INVOKABLE bool removeItem(unsigned idx);
    Q_INVOKABLE void advanceItem(unsigned idx, int count);

Q_SIGNALS:
    void currentItemChanged();

private:
    static int itemsCount(QQmlListProperty<QmlVlcMedia>* list);
    static QmlVlcMedia* itemAt(QQmlListProperty<QmlVlcMedia>* list, int index);

    QmlVlcPlayerProxy& m_owner;
};
