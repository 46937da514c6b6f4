import QtQuick 2.13
import QtQuick.Controls 2.13
import "../misc"

Rectangle {
    implicitHeight: KvoAppStyle.spacing
    implicitWidth: KvoAppStyle.spacing
    color: SplitHandle.pressed ? KvoAppStyle.accent : SplitHandle.hovered ? KvoAppStyle.hover : KvoAppStyle.border
}
