import QtQuick 2.13
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.12
import "../../misc"
import "../../components/toolBar"
import "../../components/menuBar"
import "../../components/buttons"
import "../../components/text"

// Tool-bar entries of the saved layouts: the list to switch (Ctrl+1…Ctrl+9), save, rename, delete.
RowLayout {
    id: entries
    property var keeper: null
    readonly property var layouts: keeper ? keeper.layouts : []
    readonly property int currentIndex: keeper && keeper.currentName !== "" ? keeper.controller.indexOfName(keeper.currentName) : -1
    spacing: 2

    KvoToolButton {
        id: layoutsButton
        objectName: "layoutsButton"
        text: entries.currentIndex >= 0 ? entries.layouts[entries.currentIndex].name : qsTr("Layouts")
        implicitWidth: Math.max(KvoAppStyle.buttonMinWidth, label.implicitWidth + 2 * KvoAppStyle.margin)
        toolTipText: qsTr("Saved layouts")
        onClicked: layoutMenu.popup(layoutsButton, 0, layoutsButton.height)
        KvoText { id: label; visible: false; text: layoutsButton.text }

        KvoMenu {
            id: layoutMenu
            objectName: "layoutMenu"
            Instantiator {
                model: entries.layouts
                KvoMenuItem {
                    text: (index < 9 ? "Ctrl+" + (index + 1) + "   " : "") + modelData.name
                    checkable: true
                    checked: index === entries.currentIndex
                    onTriggered: entries.keeper.switchTo(index)
                }
                onObjectAdded: layoutMenu.insertItem(index, object)
                onObjectRemoved: layoutMenu.removeItem(object)
            }
            KvoMenuSeparator {}
            KvoMenuItem {
                text: qsTr("Save layout...")
                onTriggered: namePopup.ask(qsTr("Save layout as"), entries.currentIndex >= 0 ? entries.layouts[entries.currentIndex].name : "", "save")
            }
            KvoMenuItem {
                text: qsTr("Rename layout...")
                enabled: entries.currentIndex >= 0
                onTriggered: namePopup.ask(qsTr("Rename layout"), entries.layouts[entries.currentIndex].name, "rename")
            }
            KvoMenuItem {
                text: qsTr("Delete layout")
                enabled: entries.currentIndex >= 0
                onTriggered: {
                    entries.keeper.controller.removeLayout(entries.layouts[entries.currentIndex].id)
                    entries.keeper.currentName = ""
                }
            }
        }
    }

    Popup {
        id: namePopup
        objectName: "layoutNamePopup"
        property string mode: "save"
        property alias title: titleText.text
        parent: layoutsButton
        y: layoutsButton.height
        padding: KvoAppStyle.margin
        modal: true
        focus: true
        background: Rectangle {
            color: KvoAppStyle.panel
            border.color: KvoAppStyle.border
            radius: KvoAppStyle.radius
        }
        function ask(title, name, mode) {
            namePopup.title = title
            namePopup.mode = mode
            nameField.text = name
            open()
            nameField.forceActiveFocus()
            nameField.selectAll()
        }
        function accept() {
            var name = nameField.text.trim()
            if (name === "")
                return
            if (mode === "rename")
                entries.keeper.renameCurrent(name)
            else
                entries.keeper.saveAs(name)
            close()
        }
        ColumnLayout {
            spacing: KvoAppStyle.spacing
            KvoText { id: titleText }
            KvoTextField {
                id: nameField
                objectName: "layoutNameField"
                Layout.preferredWidth: 240
                maximumLength: 64
                placeholderText: qsTr("Layout name")
                isValid: text.trim() !== ""
                onAccepted: namePopup.accept()
            }
            KvoText {
                id: errorText
                visible: text !== ""
                color: KvoAppStyle.error
                Layout.preferredWidth: 240
                wrapMode: Text.WordWrap
            }
            RowLayout {
                Layout.alignment: Qt.AlignRight
                KvoButton {
                    text: qsTr("OK")
                    isDefault: true
                    enabled: nameField.text.trim() !== ""
                    onClicked: namePopup.accept()
                }
                KvoButton {
                    text: qsTr("Cancel")
                    onClicked: namePopup.close()
                }
            }
        }
        onOpened: errorText.text = ""
    }
    Connections {
        target: entries.keeper ? entries.keeper.controller : null
        ignoreUnknownSignals: true
        function onLayoutActionFailed(action, error) {
            if (typeof globalObjects !== "undefined" && globalObjects)
                globalObjects.showAlert(qsTr("Layout error"), qsTr("The layout was not saved"), error)
        }
    }
}
