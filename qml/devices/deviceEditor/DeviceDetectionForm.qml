import QtQuick 2.13
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.12
import KVO 1.0
import "../../misc"
import "../../components"
import "../../components/text"

// The detector modules of one camera, one panel each, switched and set up on the server.
FocusScope {
    id: detection
    property string deviceId: ""
    property var videoSource: null
    property bool canChange: typeof globalObjects === "undefined" || !globalObjects || globalObjects.isAdmin
    property var modules: []
    property alias active_module_list: moduleSystemController.active_module_list
    property string lastError: ""
    readonly property bool hasDevice: Number(deviceId) > 1

    // Panel titles and icons of the known modules; others show the server's title.
    readonly property var known: ({
        "motionsDetection": { title: qsTr("Motion\ndetection"), icon: "motion.png" },
        "objectsDetection": { title: qsTr("Objects\ndetection"), icon: "object.png" },
        "licensePlateRecognitionLight": { title: qsTr("License plate\nrecognition\n(Light)"), icon: "license_plate.png" },
        "faceDetection": { title: qsTr("Face\ndetection\n(Light)"), icon: "face.png" },
        "faceRecognitionLight": { title: qsTr("Face\nrecognition\n(Light)"), icon: "face_recognition.png" },
        "dummyDetectionOfAbandonedObjects": { title: "", icon: "abandoned.png" },
        "dummyQueueLength": { title: "", icon: "queue.png" },
        "dummyPeopleCounter": { title: "", icon: "people_counter.png" },
        "dummyFireFlameAndSmokeDetection": { title: "", icon: "fire.png" }
    })

    function titleOf(module) {
        var k = known[module.plugin_name]
        return k && k.title !== "" ? k.title : (module.title || module.plugin_name)
    }
    function iconOf(module) {
        var k = known[module.plugin_name]
        return "qrc:/img/detectors/" + (k ? k.icon : "object.png")
    }
    function isActive(name) {
        return active_module_list.indexOf(name) >= 0
    }
    function load() {
        if (!hasDevice)
            return
        moduleSystemController.trModuleList({ rstIDDevice: Number(deviceId) })
        moduleSystemController.trActiveModuleList({ rstIDDevice: Number(deviceId) })
    }
    function switchModule(name, on) {
        var request = { rstIDDevice: Number(deviceId), plugin_name: name, new_state: on }
        if (on)
            moduleSystemController.trModuleOn(request)
        else
            moduleSystemController.trModuleOff(request)
    }
    function setParams(name, changed) {
        moduleSystemController.trSetParams({ rstIDDevice: Number(deviceId), plugin_name: name, params: changed })
    }
    function failed(mapParams) {
        lastError = mapParams["error"] || qsTr("The server refused the change")
        if (typeof globalObjects !== "undefined" && globalObjects)
            globalObjects.showAlert(qsTr("Update error"), qsTr("Failed to update"), lastError)
    }
    function followState(mapParams) {
        if (mapParams["RES"] === false) {
            failed(mapParams)
            return
        }
        var name = mapParams["plugin_name"]
        var list = active_module_list.filter(function(n) { return n !== name })
        if (mapParams["new_state"] === true)
            list.push(name)
        active_module_list = list
    }

    onDeviceIdChanged: load()
    Component.onCompleted: load()
    // Asked for while the connection was being lost, the lists never come: ask again after the
    // next log-in.
    Connections {
        target: typeof globalObjects !== "undefined" ? globalObjects : null
        ignoreUnknownSignals: true
        function onIsAuthorizedChanged() {
            if (globalObjects.isAuthorized)
                detection.load()
        }
    }

    ModuleSystemController {
        id: moduleSystemController
        property var active_module_list: []
        onSaModuleList: {
            if (mapParams["RES"] === false) {
                detection.failed(mapParams)
                return
            }
            detection.modules = mapParams["entries"] || []
        }
        onSaActiveModuleList: {
            if (mapParams["RES"] !== false)
                active_module_list = mapParams["active_module_list"] || []
        }
        onSaModuleOn: detection.followState(mapParams)
        onSaModuleOff: detection.followState(mapParams)
        onSaSetParams: {
            if (mapParams["RES"] === false) {
                detection.failed(mapParams)
                return
            }
            var list = detection.modules.slice()
            for (var i = 0; i < list.length; ++i) {
                if (list[i].plugin_name === mapParams["plugin_name"]) {
                    var m = JSON.parse(JSON.stringify(list[i]))
                    m.params = mapParams["params"]
                    list[i] = m
                }
            }
            detection.modules = list
        }
    }

    KvoText {
        anchors.centerIn: parent
        visible: !detection.hasDevice
        text: qsTr("Save the camera first to set up its detectors.")
        color: KvoAppStyle.textDim
    }
    ListView {
        id: list
        objectName: "detectorList"
        anchors.fill: parent
        visible: detection.hasDevice
        clip: true
        spacing: KvoAppStyle.spacing
        model: detection.modules
        ScrollBar.vertical: ScrollBar {}
        delegate: DetectorPanel {
            width: list.width - KvoAppStyle.margin
            module: modelData
            title: detection.titleOf(modelData)
            icon: detection.iconOf(modelData)
            active: detection.isActive(modelData.plugin_name)
            canChange: detection.canChange
            videoSource: detection.videoSource
            onSwitchRequested: detection.switchModule(modelData.plugin_name, on)
            onParamsApplied: detection.setParams(modelData.plugin_name, changed)
        }
    }
}
