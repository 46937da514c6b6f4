import QtQuick 2.13

Shortcut {
    context: Qt.WindowShortcut
}
