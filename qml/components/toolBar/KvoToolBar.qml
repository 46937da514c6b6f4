import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../../misc"

Rectangle {
    id: bar
    default property alias content: row.data
    property alias spacing: row.spacing
    implicitHeight: KvoAppStyle.toolBarHeight
    color: KvoAppStyle.panel
    RowLayout {
        id: row
        anchors.fill: parent
        anchors.leftMargin: KvoAppStyle.spacing
        anchors.rightMargin: KvoAppStyle.spacing
        spacing: 2
    }
    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: KvoAppStyle.borderWidth
        color: KvoAppStyle.border
    }
}
