import QtQuick 2.13
import "../../../misc"

// State of a found camera: a new one can still be added, a known one is in the device list.
Text {
    readonly property bool isNew: styleData.value === true || styleData.value === "true" || styleData.value === 1
    text: isNew ? qsTr("New") : qsTr("Added")
    color: isNew ? KvoAppStyle.ok : KvoAppStyle.textDim
    font.family: KvoAppStyle.fontFamily
    font.pointSize: KvoAppStyle.fontSize
    elide: Text.ElideRight
    verticalAlignment: Text.AlignVCenter
    leftPadding: KvoAppStyle.spacing
}
