import QtQuick 2.13
import QtQuick.Layouts 1.12
import KVO 1.0
import "../../misc"
import "../../components"
import "../../components/tabBar"
import "../DeviceUtils.js" as DeviceUtils

// "Camera settings": the camera's record with its live preview, and its detectors.
DeviceEditorBase {
    id: deviceEditor
    title: qsTr("Camera settings")
    form: essentialsForm
    acceptEnabled: essentialsForm.problem === "" && (typeof globalObjects === "undefined" || !globalObjects || globalObjects.isAdmin)
    detachedWindowWidth: 920
    detachedWindowHeight: 640
    property alias essentials: essentialsForm
    property alias detection: detectionForm
    property alias tabs: tabBar

    // The picture shown under the region-of-interest editor: the camera's live player.
    readonly property var livePlayer: {
        if (typeof globalObjects === "undefined" || !globalObjects || recordId === "")
            return null
        var container = globalObjects.mediaPlayerContainer
        return container.revision >= 0 ? container.find(recordId) : null
    }

    DeviceController {
        id: deviceController
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        KvoTabBar {
            id: tabBar
            Layout.fillWidth: true
            KvoTabButton { text: qsTr("Camera"); objectName: "essentialsTab" }
            KvoTabButton { text: qsTr("Detection"); objectName: "detectionTab" }
        }
        KvoStackLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            currentIndex: tabBar.currentIndex
            DeviceEssentialsForm {
                id: essentialsForm
                controller: deviceController
                recordId: deviceEditor.recordId
                editor: deviceEditor
            }
            DeviceDetectionForm {
                id: detectionForm
                deviceId: deviceEditor.recordId
                videoSource: deviceEditor.livePlayer ? deviceEditor.livePlayer : essentialsForm.preview.player
            }
        }
    }

    Component.onCompleted: essentialsForm.initialRequest()
}
