import QtQuick 2.13
import "../misc"
import "../components/text"

Rectangle {
    property string title: ""
    color: KvoAppStyle.bg
    KvoText {
        anchors.centerIn: parent
        text: parent.title
        color: KvoAppStyle.textDim
        font.pointSize: KvoAppStyle.fontSizeTitle
    }
}
