import QtQuick 2.13
import QtQuick.Window 2.2
import "../../misc"
import "../toolbuttons"

// Minimise, maximise/restore and close for a frameless window.
Row {
    id: buttons
    property var window: null
    property bool showClose: true
    signal closeRequested()
    spacing: 2

    KvoToolButton {
        iconSource: "qrc:/img/buttons/minimize.png"
        toolTipText: qsTr("Minimize")
        onClicked: if (buttons.window) buttons.window.showMinimized()
    }
    KvoToolButton {
        iconSource: "qrc:/img/buttons/maximize.png"
        toolTipText: qsTr("Maximize")
        onClicked: {
            if (!buttons.window)
                return
            if (buttons.window.visibility === Window.Maximized)
                buttons.window.showNormal()
            else
                buttons.window.showMaximized()
        }
    }
    KvoToolButton {
        visible: buttons.showClose
        iconSource: "qrc:/img/buttons/close.png"
        toolTipText: qsTr("Close")
        onClicked: buttons.closeRequested()
    }
}
