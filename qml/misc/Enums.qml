pragma Singleton
import QtQuick 2.13

QtObject {
    readonly property string buttonOk: "ok"
    readonly property string buttonApply: "apply"
    readonly property string buttonCancel: "cancel"
    readonly property string buttonClose: "close"
    readonly property string buttonDuplicate: "duplicate"
    readonly property string buttonRestoreDefaults: "restoreDefaults"

    readonly property string toastGreen: "green"
    readonly property string toastRed: "red"
    readonly property string toastYellow: "yellow"
    readonly property string toastBlue: "blue"

    readonly property string controlTypeLabel: "label"
    readonly property string controlTypeTextField: "textField"
    readonly property string controlTypeTextArea: "textArea"
    readonly property string controlTypeCheckBox: "checkBox"
    readonly property string controlTypeComboBox: "comboBox"
    readonly property string controlTypeSwitch: "switch"

    readonly property string dialogQuestion: "question"
    readonly property string dialogAlert: "alert"
}
