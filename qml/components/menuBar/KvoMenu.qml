import QtQuick 2.13
import QtQuick.Controls 2.5
import "../../misc"

Menu {
    font.family: KvoAppStyle.fontFamily
    font.pointSize: KvoAppStyle.fontSize
    delegate: KvoMenuItem {}
}
