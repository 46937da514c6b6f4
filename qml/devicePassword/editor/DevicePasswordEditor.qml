import QtQuick 2.13
import KVO 1.0
import "../../misc"
import "../../devices/deviceEditor"

// "Device password editor".
DeviceEditorBase {
    id: passwordEditor
    title: qsTr("Device password editor")
    form: essentialsForm
    acceptEnabled: essentialsForm.problem === ""
    detachedWindowWidth: 460
    detachedWindowHeight: 260

    DevicePasswordController {
        id: devicePasswordController
    }
    DevicePasswordEssentialsForm {
        id: essentialsForm
        anchors.fill: parent
        controller: devicePasswordController
        recordId: passwordEditor.recordId
        editor: passwordEditor
    }
    Component.onCompleted: essentialsForm.initialRequest()
}
