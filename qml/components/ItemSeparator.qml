import QtQuick 2.13
import "../misc"

Rectangle {
    property bool vertical: true
    implicitWidth: vertical ? KvoAppStyle.borderWidth : 10
    implicitHeight: vertical ? 10 : KvoAppStyle.borderWidth
    color: KvoAppStyle.border
}
