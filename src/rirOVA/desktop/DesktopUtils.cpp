#include "DesktopUtils.h"

#include "EventFilter.h"
#include "kvoCore/SpSingleton.h"

#include <QClipboard>
#include <QCursor>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickWindow>

namespace ClientBase {

namespace {

QQuickWindow* asWindow(const QVariant& value) {
    return qobject_cast<QQuickWindow*>(value.value<QObject*>());
}

} // namespace

DesktopUtils::DesktopUtils(QObject* parent) : KvoCore::Utils(parent) {
    // Queued connections and signal spies need the shape as a meta-type.
    qRegisterMetaType<Qt::CursorShape>("Qt::CursorShape");
}

DesktopUtils::~DesktopUtils() = default;

void DesktopUtils::addEventFilter(const QVariant& qmlWindow) {
    if (QQuickWindow* window = asWindow(qmlWindow)) {
        window->installEventFilter(SpSingleton<EventFilter>::instance());
    }
}

void DesktopUtils::removeEventFilter(const QVariant& qmlWindow) {
    if (QQuickWindow* window = asWindow(qmlWindow)) {
        window->removeEventFilter(SpSingleton<EventFilter>::instance());
    }
}

QString DesktopUtils::urlToPath(const QUrl& url) const {
    return url.toLocalFile();
}

QString DesktopUtils::pathToDir(const QString& filePath) const {
    return QFileInfo(filePath).absolutePath();
}

QString DesktopUtils::idToString(QObject* object) const {
    if (!object) {
        return QString();
    }
    QQmlContext* context = qmlContext(object);
    return context ? context->nameForObject(object) : QString();
}

QObject* DesktopUtils::findChildByName(QObject* rootObject, const QString& name) const {
    return rootObject ? rootObject->findChild<QObject*>(name) : nullptr;
}

QList<QObject*> DesktopUtils::findChildrenByName(QObject* rootObject, const QString& name) const {
    return rootObject ? rootObject->findChildren<QObject*>(name) : QList<QObject*>();
}

int DesktopUtils::keyboardModifiers() const {
    return static_cast<int>(QGuiApplication::keyboardModifiers());
}

int DesktopUtils::mouseButtons() const {
    return static_cast<int>(QGuiApplication::mouseButtons());
}

bool DesktopUtils::isControlPressed() const {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

bool DesktopUtils::isAltPressed() const {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier);
}

bool DesktopUtils::isShiftPressed() const {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

QString DesktopUtils::getClipboardText() const {
    return QGuiApplication::clipboard()->text();
}

void DesktopUtils::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void DesktopUtils::openUrl(const QString& file) {
    QDesktopServices::openUrl(QUrl(file, QUrl::TolerantMode));
}

QString DesktopUtils::buildDate() const {
    return QStringLiteral(__DATE__);
}

QString DesktopUtils::qtVersion() const {
    return QStringLiteral(QT_VERSION_STR);
}

QString DesktopUtils::exportDir() const {
    return _exportDir.absolutePath();
}

void DesktopUtils::setCursorShape(Qt::CursorShape cursorShape) {
    if (cursorShape == _cursorShape) {
        return;
    }
    _cursorShape = cursorShape;
    if (cursorShape != Qt::ArrowCursor) {
        QGuiApplication::setOverrideCursor(QCursor(cursorShape));
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
    Q_EMIT cursorShapeChanged(cursorShape);
}

} // namespace ClientBase
