import QtQuick 2.13
import QtQuick.Controls 2.5
import "../../misc"

Label {
    color: KvoAppStyle.text
    font.family: KvoAppStyle.fontFamily
    font.pointSize: KvoAppStyle.fontSize
    elide: Text.ElideRight
    verticalAlignment: Text.AlignVCenter
}
