import QtQuick 2.13
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.12
import QmlVlc 0.1
import "../../misc"
import "../../components/toolBar"
import "../../components/text"
import "CameraPlacement.js" as Placement

// The cameras beside the grid: name, type, recording and connection state, a filter; drag a camera
// onto a tile to show it there, double-click to put it on the first free tile.
Rectangle {
    id: panel
    objectName: "cameraPanel"
    property Item tileGrid: null
    property bool collapsed: false
    property string filterText: ""
    property int expandedWidth: 220
    readonly property var go: typeof globalObjects !== "undefined" && globalObjects ? globalObjects : null
    readonly property var deviceModel: go && go.deviceController ? go.deviceController.originalModel : null
    readonly property alias cameraList: list
    // Rows shown: the cameras whose name or type contains the filter text, by name.
    readonly property var cameras: {
        if (!deviceModel)
            return []
        deviceModel.rowCount
        panel._revision
        var rows = deviceModel.rows()
        var pattern = filterText.trim().toLowerCase()
        var result = []
        for (var i = 0; i < rows.length; ++i) {
            var r = rows[i]
            if (Number(r.id) <= 1)
                continue
            var type = typeName(r.rstIdDeviceType)
            var name = String(r.deviceName || "")
            if (pattern !== "" && name.toLowerCase().indexOf(pattern) < 0 && type.toLowerCase().indexOf(pattern) < 0)
                continue
            result.push({ id: String(r.id), name: name, type: type, enabled: r.enabled !== false })
        }
        result.sort(function(a, b) { return a.name.localeCompare(b.name) || Number(a.id) - Number(b.id) })
        return result
    }
    property int _revision: 0

    width: collapsed ? KvoAppStyle.toolBarHeight : expandedWidth
    color: KvoAppStyle.panel

    function typeName(typeId) {
        if (!go || !go.deviceTypeController)
            return ""
        var m = go.deviceTypeController.originalModel
        var row = m.checkValueByRole("id", String(typeId))
        return row >= 0 ? String(m.originalData(row).name || "") : ""
    }
    function isRecording(deviceId) {
        if (!go || !go.deviceRecStateController)
            return false
        go.recStateRevision
        var m = go.deviceRecStateController.originalModel
        // The role holds a number.
        var row = m.checkValueByRole("rstIDDevice", Number(deviceId))
        if (row < 0)
            return false
        var record = m.originalData(row)
        return Number(record.dtRecStarted || 0) > 0 && ["recording", "recorded", "started", "on"].indexOf(String(record.recState)) >= 0
    }
    function connectionText(deviceId) {
        if (!go || !go.mediaPlayerContainer)
            return ""
        go.mediaPlayerContainer.revision
        var p = go.mediaPlayerContainer.find(deviceId)
        if (!p)
            return qsTr("Off")
        return p.state === QmlVlcPlayerState.Playing ? qsTr("Online") : qsTr("Connecting")
    }
    function putOnFreeTile(deviceId) {
        return Placement.placeOnFreeTile(tileGrid, deviceId)
    }

    Connections {
        target: panel.deviceModel
        ignoreUnknownSignals: true
        function onDataChanged() { ++panel._revision }
        function onModelReset() { ++panel._revision }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        RowLayout {
            Layout.fillWidth: true
            Layout.preferredHeight: KvoAppStyle.toolBarHeight
            spacing: 0
            KvoText {
                Layout.fillWidth: true
                Layout.leftMargin: KvoAppStyle.spacing
                visible: !panel.collapsed
                text: qsTr("Cameras")
                font.bold: true
            }
            KvoToolButton {
                objectName: "cameraPanelToggle"
                text: panel.collapsed ? "»" : "«"
                toolTipText: panel.collapsed ? qsTr("Show cameras") : qsTr("Hide cameras")
                onClicked: panel.collapsed = !panel.collapsed
            }
        }
        KvoFilterTextField {
            id: filterField
            objectName: "cameraFilter"
            Layout.fillWidth: true
            Layout.margins: KvoAppStyle.spacing
            visible: !panel.collapsed
            placeholderText: qsTr("Filter cameras")
            onFilterChanged: panel.filterText = pattern
        }
        ListView {
            id: list
            objectName: "cameraList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            visible: !panel.collapsed
            clip: true
            model: panel.cameras
            ScrollBar.vertical: ScrollBar {}
            delegate: CameraDelegate {
                width: list.width
                owner: panel
                camera: modelData
            }
        }
        KvoText {
            Layout.fillWidth: true
            Layout.margins: KvoAppStyle.spacing
            visible: !panel.collapsed && panel.cameras.length === 0
            text: panel.filterText !== "" ? qsTr("No camera matches the filter") : qsTr("No cameras")
            color: KvoAppStyle.textDim
            wrapMode: Text.WordWrap
        }
    }
    Rectangle {
        anchors.right: parent.right
        width: KvoAppStyle.borderWidth
        height: parent.height
        color: KvoAppStyle.border
    }
}
