import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../misc"
import "buttons"
import "text"

// A modal question or alert shown over the whole window. Created by the window's
// createObjInMainContext; deletes itself when a button is pressed.
KvoFrame {
    id: dialog
    property string type: Enums.dialogAlert
    property string text: ""
    property string explanation: ""
    property string checkBoxText: ""
    // What Enter presses; questions about deletions make it Cancel.
    property string defaultButton: Enums.buttonOk
    property alias checked: checkBox.checked
    property var buttons: type === Enums.dialogQuestion ? [Enums.buttonOk, Enums.buttonCancel]
                                                          : [Enums.buttonOk]
    signal buttonClicked(string role)
    signal accepted()
    signal rejected()

    anchors.fill: parent
    z: 10000
    focus: true

    function close() {
        dialog.visible = false
        dialog.destroy()
    }

    function press(role) {
        buttonClicked(role)
        if (role === Enums.buttonOk || role === Enums.buttonApply)
            accepted()
        else
            rejected()
        close()
    }

    Keys.onEscapePressed: press(type === Enums.dialogQuestion ? Enums.buttonCancel : Enums.buttonOk)
    Keys.onReturnPressed: press(defaultButton)
    Keys.onEnterPressed: press(defaultButton)

    Rectangle {
        anchors.fill: parent
        color: KvoAppStyle.shade
        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
            acceptedButtons: Qt.AllButtons
            onWheel: wheel.accepted = true
        }
    }
    Rectangle {
        id: panel
        objectName: "dialogPanel"
        anchors.centerIn: parent
        width: Math.min(parent.width - 2 * KvoAppStyle.margin, KvoAppStyle.dialogWidth)
        height: column.implicitHeight + 2 * KvoAppStyle.margin
        color: KvoAppStyle.panel
        radius: KvoAppStyle.radius
        border.color: KvoAppStyle.border
        ColumnLayout {
            id: column
            anchors.fill: parent
            anchors.margins: KvoAppStyle.margin
            spacing: KvoAppStyle.spacing
            KvoText {
                objectName: "dialogTitle"
                text: dialog.title
                font.pointSize: KvoAppStyle.fontSizeBig
                font.bold: true
                color: dialog.type === Enums.dialogAlert ? KvoAppStyle.warning : KvoAppStyle.text
                Layout.fillWidth: true
            }
            KvoText {
                objectName: "dialogText"
                text: dialog.text
                wrapMode: Text.WordWrap
                elide: Text.ElideNone
                Layout.fillWidth: true
            }
            KvoText {
                objectName: "dialogExplanation"
                text: dialog.explanation
                visible: text !== ""
                color: KvoAppStyle.textDim
                wrapMode: Text.WordWrap
                elide: Text.ElideNone
                Layout.fillWidth: true
            }
            KvoCheckBox {
                id: checkBox
                objectName: "dialogCheckBox"
                text: dialog.checkBoxText
                visible: text !== ""
                Layout.fillWidth: true
            }
            KvoDialogButtonBox {
                objectName: "dialogButtons"
                buttons: dialog.buttons
                defaultButton: dialog.defaultButton
                Layout.fillWidth: true
                onClicked: dialog.press(role)
            }
        }
    }
}
