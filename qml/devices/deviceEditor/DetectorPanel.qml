import QtQuick 2.13
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.12
import QtGraphicalEffects 1.12
import "../../misc"
import "../../components"
import "../../components/text"
import "../../components/buttons"

// One detector module of a camera: icon, title, hint, its on/off switch and the pop-up with its
// parameters.
Rectangle {
    id: panel
    property var module: ({})
    property string title: ""
    property url icon: ""
    property bool active: false
    property bool canChange: true
    property var videoSource: null
    readonly property string pluginName: module && module.plugin_name ? module.plugin_name : ""
    property alias popup: popup
    property alias paramsEditor: paramsEditor
    signal switchRequested(bool on)
    signal paramsApplied(var changed)

    objectName: "detectorPanel_" + pluginName
    implicitHeight: row.implicitHeight + 2 * KvoAppStyle.margin
    color: KvoAppStyle.bgLight
    radius: KvoAppStyle.radius
    border.color: active ? KvoAppStyle.accent : KvoAppStyle.border

    function openSettings() {
        paramsEditor.params = module.params
        paramsEditor.reset()
        popup.open()
    }

    RowLayout {
        id: row
        anchors.fill: parent
        anchors.margins: KvoAppStyle.margin
        spacing: KvoAppStyle.margin
        Image {
            id: iconImage
            source: panel.icon
            sourceSize.width: 40
            sourceSize.height: 40
            Layout.preferredWidth: 40
            Layout.preferredHeight: 40
            opacity: panel.active ? 1 : KvoAppStyle.disabledOpacity
        }
        KvoText {
            text: panel.title
            Layout.preferredWidth: 130
            font.bold: true
            elide: Text.ElideNone
        }
        KvoText {
            objectName: "detectorHint"
            text: panel.module.description || ""
            color: KvoAppStyle.textDim
            wrapMode: Text.WordWrap
            elide: Text.ElideRight
            maximumLineCount: 3
            Layout.fillWidth: true
        }
        KvoButton {
            objectName: "detectorSettings"
            text: qsTr("Settings")
            enabled: panel.canChange
            onClicked: panel.openSettings()
        }
        KvoSwitch {
            id: onOff
            objectName: "detectorSwitch"
            checked: panel.active
            enabled: panel.canChange
            onToggled: {
                var wanted = checked
                checked = Qt.binding(function() { return panel.active })
                panel.switchRequested(wanted)
            }
        }
    }

    Popup {
        id: popup
        objectName: "detectorPopup"
        parent: Overlay.overlay
        anchors.centerIn: parent
        width: Math.min(parent ? parent.width - 2 * KvoAppStyle.margin : 560, 560)
        height: Math.min(parent ? parent.height - 2 * KvoAppStyle.margin : 560, 620)
        modal: true
        padding: KvoAppStyle.margin
        background: Rectangle { color: KvoAppStyle.panel; border.color: KvoAppStyle.border; radius: KvoAppStyle.radius }
        ColumnLayout {
            anchors.fill: parent
            spacing: KvoAppStyle.spacing
            KvoText {
                text: panel.title.replace(/\n/g, " ")
                font.pointSize: KvoAppStyle.fontSizeBig
            }
            Flickable {
                id: flick
                Layout.fillWidth: true
                Layout.fillHeight: true
                contentWidth: width
                contentHeight: paramsEditor.height
                clip: true
                ScrollBar.vertical: ScrollBar {}
                ModuleParamsEditor {
                    id: paramsEditor
                    width: flick.width - KvoAppStyle.margin
                    height: implicitHeight
                    videoSource: panel.videoSource
                }
            }
            KvoDialogButtonBox {
                id: popupButtons
                Layout.fillWidth: true
                buttons: [Enums.buttonOk, Enums.buttonCancel]
                onClicked: panel.closeSettings(role)
            }
        }
    }
    function closeSettings(role) {
        if (role === Enums.buttonOk && paramsEditor.problem === "") {
            var changed = paramsEditor.changedParams()
            if (changed.length > 0)
                panel.paramsApplied(changed)
        }
        popup.close()
    }
}
