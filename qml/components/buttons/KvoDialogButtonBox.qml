import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../../misc"

// The buttons of a dialog or editor by role; `clicked(role)` names the one pressed.
RowLayout {
    id: box
    property var buttons: [Enums.buttonOk, Enums.buttonCancel]
    property string defaultButton: Enums.buttonOk
    // Roles whose buttons cannot be pressed now (an OK while the form is incomplete).
    property var disabledButtons: []
    signal clicked(string role)
    spacing: KvoAppStyle.spacing

    function titleOf(role) {
        switch (role) {
        case Enums.buttonOk: return qsTr("OK")
        case Enums.buttonApply: return qsTr("Apply")
        case Enums.buttonCancel: return qsTr("Cancel")
        case Enums.buttonClose: return qsTr("Close")
        case Enums.buttonDuplicate: return qsTr("Duplicate")
        case Enums.buttonRestoreDefaults: return qsTr("Restore Defaults")
        }
        return role
    }

    Item { Layout.fillWidth: true }
    Repeater {
        model: box.buttons
        KvoButton {
            role: modelData
            objectName: "button_" + modelData
            text: box.titleOf(modelData)
            isDefault: modelData === box.defaultButton
            enabled: box.disabledButtons.indexOf(modelData) < 0
            onClicked: box.clicked(role)
        }
    }
}
