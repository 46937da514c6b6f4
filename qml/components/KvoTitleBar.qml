import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../misc"
import "text"

// Title row of a frame or frameless window; dragging it moves the window it belongs to.
Rectangle {
    id: bar
    property string title: ""
    property var window: null
    default property alias content: extra.data
    implicitHeight: KvoAppStyle.titleBarHeight
    color: KvoAppStyle.header

    MouseArea {
        anchors.fill: parent
        enabled: bar.window !== null
        onPressed: if (bar.window && bar.window.startSystemMove) bar.window.startSystemMove()
        onDoubleClicked: {
            if (!bar.window)
                return
            if (bar.window.visibility === 4) // Window.Maximized
                bar.window.showNormal()
            else
                bar.window.showMaximized()
        }
    }
    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: KvoAppStyle.margin
        anchors.rightMargin: 2
        spacing: KvoAppStyle.spacing
        KvoText {
            text: bar.title
            font.pointSize: KvoAppStyle.fontSize
            Layout.fillWidth: extra.children.length === 0
        }
        RowLayout {
            id: extra
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 2
        }
    }
}
