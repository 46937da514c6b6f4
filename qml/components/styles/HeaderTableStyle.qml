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
        Text {
            anchors.fill: parent
            anchors.leftMargin: KvoAppStyle.spacing
            verticalAlignment: Text.AlignVCenter
            text: styleData.value
            color: KvoAppStyle.textDim
            font.family: KvoAppStyle.fontFamily
            font.pointSize: KvoAppStyle.fontSizeSmall
            elide: Text.ElideRight
        }
    }
    rowDelegate: Rectangle {
        height: style.rowHeight
        color: styleData.selected ? KvoAppStyle.selection : styleData.alternate ? KvoAppStyle.panel : KvoAppStyle.bg
    }
}
