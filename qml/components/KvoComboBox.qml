import QtQuick 2.13
import QtQuick.Controls 2.5
import "../misc"

ComboBox {
    implicitHeight: KvoAppStyle.buttonHeight
    font.family: KvoAppStyle.fontFamily
    font.pointSize: KvoAppStyle.fontSize
}
