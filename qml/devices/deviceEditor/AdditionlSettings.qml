import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../../misc"
import "../../components"
import "../../components/text"

// The camera's remaining fields: whether it runs, its clip settings, its monitor and identifiers.
ColumnLayout {
    id: additional
    property alias enabledCamera: enabledSwitch.checked
    property alias clipEnabled: clipBox.checked
    property alias clipRegion: clipRegionEdit.text
    property alias monitorN: monitorEdit.text
    property string uid: ""
    property string onvifUID: ""
    signal edited()
    spacing: KvoAppStyle.spacing

    function populate(record) {
        enabledSwitch.checked = record.enabled !== false
        clipBox.checked = record.clipEnabled === true
        clipRegionEdit.text = record.clipRegion || ""
        monitorEdit.text = record.monitorN || ""
        uid = record.uid || ""
        onvifUID = record.onvifUID || ""
    }
    function fill(params) {
        params.enabled = enabledSwitch.checked
        params.clipEnabled = clipBox.checked
        params.clipRegion = clipRegionEdit.text
        params.monitorN = monitorEdit.text
    }

    KvoText {
        text: qsTr("Additional settings")
        font.bold: true
    }
    KvoSwitch {
        id: enabledSwitch
        objectName: "enabledSwitch"
        text: qsTr("Camera enabled (live picture and recording)")
        checked: true
        onToggled: additional.edited()
    }
    KvoCheckBox {
        id: clipBox
        text: qsTr("Cut the picture to a region")
        onToggled: additional.edited()
    }
    LabelEdit {
        id: clipRegionEdit
        label: qsTr("Clip region")
        enabled: clipBox.checked
        field.placeholderText: "x,y,width,height"
        field.onTextEdited: additional.edited()
        Layout.fillWidth: true
    }
    LabelEdit {
        id: monitorEdit
        label: qsTr("Monitor")
        field.onTextEdited: additional.edited()
        Layout.fillWidth: true
    }
    KvoText {
        visible: additional.uid !== ""
        text: qsTr("UID") + ": " + additional.uid
        color: KvoAppStyle.textDim
        font.pointSize: KvoAppStyle.fontSizeSmall
    }
}
