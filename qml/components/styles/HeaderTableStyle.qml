import QtQuick 2.13
import QtQuick.Controls 1.4
import QtQuick.Controls.Styles 1.4
import "../../misc"

TableViewStyle {
    id: style
    property int rowHeight: KvoAppStyle.rowHeight
    backgroundColor: KvoAppStyle.bg
    alternateBackgroundColor: KvoAppStyle.panel
    textColor: KvoAppStyle.text
    highlightedTextColor: KvoAppStyle.text
    headerDelegate: Rectangle {
        height: style.rowHeight
        color: KvoAppStyle.header
        border.color: KvoAppStyle.border
        readonly property bool sorted: control.sortIndicatorVisible && styleData.column === control.sortIndicatorColumn
        Text {
            anchors.fill: parent
            anchors.leftMargin: KvoAppStyle.spacing
            anchors.rightMargin: sortArrow.visible ? sortArrow.width + KvoAppStyle.spacing : 0
            verticalAlignment: Text.AlignVCenter
            text: styleData.value
            color: parent.sorted ? KvoAppStyle.text : KvoAppStyle.textDim
            font.family: KvoAppStyle.fontFamily
            font.pointSize: KvoAppStyle.fontSizeSmall
            elide: Text.ElideRight
        }
        // Which column the rows are sorted by, and which way.
        Text {
            id: sortArrow
            objectName: "sortArrow"
            visible: parent.sorted
            anchors.right: parent.right
            anchors.rightMargin: KvoAppStyle.spacing
            anchors.verticalCenter: parent.verticalCenter
            text: control.sortIndicatorOrder === Qt.AscendingOrder ? "▲" : "▼"
            color: KvoAppStyle.accent
            font.family: KvoAppStyle.fontFamily
            font.pointSize: KvoAppStyle.fontSizeSmall
        }
    }
    rowDelegate: Rectangle {
        height: style.rowHeight
        color: styleData.selected ? KvoAppStyle.selection : styleData.alternate ? KvoAppStyle.panel : KvoAppStyle.bg
    }
}
