#include "QmlVlcTypes.h"

#include "qmlVlc/QmlVlcMediaListPlayer.h"
#include "qmlVlc/QmlVlcPlayer.h"
#include "qmlVlc/QmlVlcVideoSurface.h"

#include <QQmlEngine>
#include <QtQml>
#include <memory>

namespace {
constexpr const char* uri = "QmlVlc";
constexpr int major = 0;
constexpr int minor = 1;

template <class T>
void registerUncreatable(const char* name) {
    qmlRegisterUncreatableType<T>(uri, major, minor, name,
                                  QString::fromLatin1(name) +
                                      QStringLiteral(" cannot be instantiated directly"));
}
} // namespace

void QmlVlcTypes::registerTypes() {
    qRegisterMetaType<std::shared_ptr<const QmlVlcI420Frame>>("std::shared_ptr<const QmlVlcI420Frame>");
    qmlRegisterType<QmlVlcPlayer>(uri, major, minor, "VlcPlayer");
    qmlRegisterType<QmlVlcMediaListPlayer>(uri, major, minor, "VlcMediaListPlayer");
    qmlRegisterType<QmlVlcVideoSurface>(uri, major, minor, "VlcVideoSurface");
    registerUncreatable<QmlVlcVideoSource>("QmlVlcVideoSource");
    registerUncreatable<QmlVlcInput>("VlcInput");
    registerUncreatable<QmlVlcVideo>("VlcVideo");
    registerUncreatable<QmlVlcAudio>("VlcAudio");
    registerUncreatable<QmlVlcSubtitle>("VlcSubtitle");
    registerUncreatable<QmlVlcPlaylist>("VlcPlaylist");
    registerUncreatable<QmlVlcMarquee>("VlcMarquee");
    registerUncreatable<QmlVlcLogo>("VlcLogo");
    registerUncreatable<QmlVlcDeinterlace>("VlcDeinterlace");
    registerUncreatable<QmlVlcMedia>("VlcMediaDesc");
}

void QmlVlcTypes::registerPlayerState() {
    qmlRegisterUncreatableMetaObject(QmlVlcPlayerProxy::staticMetaObject, uri, major, minor,
                                     "QmlVlcPlayerState", QStringLiteral("Error: only enums"));
}
