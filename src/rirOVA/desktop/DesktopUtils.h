#pragma once

#include "kvoCore/Utils.h"

#include <QDir>
#include <QList>
#include <QUrl>
#include <QVariant>

namespace ClientBase {

// Desktop services for QML that plain QML lacks: clipboard, override cursor, file paths, input
// state and object lookup; also every invokable of KvoCore::Utils.
class DesktopUtils : public KvoCore::Utils {
    Q_OBJECT
    Q_PROPERTY(int mouseButtons READ mouseButtons CONSTANT)
    Q_PROPERTY(int modifiers READ keyboardModifiers CONSTANT)
    Q_PROPERTY(bool isControlPressed READ isControlPressed CONSTANT)
    Q_PROPERTY(bool isAltPressed READ isAltPressed CONSTANT)
    Q_PROPERTY(bool isShiftPressed READ isShiftPressed CONSTANT)
    Q_PROPERTY(QString buildDate READ buildDate CONSTANT)
    Q_PROPERTY(QString qtVersion READ qtVersion CONSTANT)
    Q_PROPERTY(QString exportDir READ exportDir CONSTANT)
    Q_PROPERTY(Qt::CursorShape cursorShape READ cursorShape WRITE setCursorShape NOTIFY cursorShapeChanged)

public:
    explicit DesktopUtils(QObject* parent = nullptr);
    ~DesktopUtils() override;

    // Installs the EventFilter singleton on a QQuickWindow; other values are ignored.
    Q_INVOKABLE void addEventFilter(const QVariant& qmlWindow);
    Q_INVOKABLE void removeEventFilter(const QVariant& qmlWindow);
    Q_INVOKABLE QString urlToPath(const QUrl& url) const;
    // Absolute path of the directory that contains the file.
    Q_INVOKABLE QString pathToDir(const QString& filePath) const;
    // The object's id in its QML context; empty for null or an object outside QML.
    Q_INVOKABLE QString idToString(QObject* object) const;
    Q_INVOKABLE QObject* findChildByName(QObject* rootObject, const QString& name) const;
    Q_INVOKABLE QList<QObject*> findChildrenByName(QObject* rootObject, const QString& name) const;
    // As of the last input event.
    Q_INVOKABLE int keyboardModifiers() const;
    Q_INVOKABLE int mouseButtons() const;
    // The keyboard's live state.
    Q_INVOKABLE bool isControlPressed() const;
    Q_INVOKABLE bool isAltPressed() const;
    Q_INVOKABLE bool isShiftPressed() const;
    Q_INVOKABLE QString getClipboardText() const;
    Q_INVOKABLE void setClipboardText(const QString& text);
    Q_INVOKABLE void openUrl(const QString& file);

    QString buildDate() const;
    QString qtVersion() const;
    QString exportDir() const;

    Qt::CursorShape cursorShape() const { return _cursorShape; }
    // Any shape but the arrow pushes an application override cursor; the arrow pops one.
    void setCursorShape(Qt::CursorShape cursorShape);

Q_SIGNALS:
    void cursorShapeChanged(Qt::CursorShape cursorShape);

private:
    QDir _exportDir{QString()};
    Qt::CursorShape _cursorShape = Qt::ArrowCursor;
};

} // namespace ClientBase
