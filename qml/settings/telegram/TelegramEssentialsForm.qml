import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../../misc"
import "../../components"
import "../../components/text"
import "../../components/buttons"

// The Telegram settings of the logged-in user and the linking of the account: saving a phone
// number makes the server ask Telegram for a confirmation code ("srCode"), which is typed here and
// sent back; "srLinked" tells the result.
KvoForm {
    id: form
    property bool isLink: false
    property bool isLinking: false
    property bool isNeedToConfirmCode: false
    property bool isCodeChecking: false
    property string status: "n/a"
    // Seconds the server asks to wait before the next attempt; 0 when nothing is refused.
    property int retryAfter: 0
    property string lastError: ""
    property string storedPhone: ""
    property bool _populating: false

    signal linkRequested()
    signal codeEntered(string code)

    function populateForm(mapParams) {
        _populating = true
        recordId = mapParams.id !== undefined && Number(mapParams.id) > 1 ? String(mapParams.id) : ""
        enabledBox.checked = mapParams.enabled === true
        groupName.text = mapParams.groupName || ""
        storedPhone = mapParams.phone || ""
        phone.text = storedPhone
        isLink = mapParams.isLink === true
        isLinking = mapParams.isLinking === true
        isNeedToConfirmCode = mapParams.isNeedToConfirmCode === true
        isCodeChecking = mapParams.isCodeChecking === true
        status = mapParams.status || "n/a"
        if (status !== "try later")
            retryAfter = 0
        code.text = ""
        _populating = false
        isDirty = false
    }

    function getMapParams() {
        var p = getMapParamsBase()
        p.enabled = enabledBox.checked
        p.groupName = groupName.text.trim()
        p.phone = phone.text.trim()
        return p
    }

    // A code to confirm: only the id and the code go out.
    function codeParams() {
        var p = getMapParamsBase()
        p.code = code.text.trim()
        return p
    }

    function intervalText(seconds) {
        return seconds >= 3600 ? qsTr(" 1 hour") : qsTr(" 1 min.")
    }

    // The line that tells where the linking stands.
    function stateText() {
        if (retryAfter > 0 || status === "try later")
            return qsTr("Please try later...") + (retryAfter > 0 ? intervalText(retryAfter) : "")
        if (isCodeChecking)
            return qsTr("Code checking.")
        if (isNeedToConfirmCode)
            return qsTr("Please enter code.")
        if (isLinking)
            return qsTr("Wait for code request.")
        if (isLink)
            return qsTr("Telegram channel is linked.")
        return qsTr("Telegram channel is <b>not</b> linked.")
    }

    function markDirty() {
        if (!_populating)
            isDirty = true
    }

    ColumnLayout {
        width: form.width - form.leftPadding - form.rightPadding - KvoAppStyle.margin
        spacing: KvoAppStyle.spacing

        KvoText {
            text: qsTr("Telegram settings")
            font.pointSize: KvoAppStyle.fontSizeBig
        }
        KvoCheckBox {
            id: enabledBox
            objectName: "uploadToTelegramCheckBox"
            text: qsTr("Upload events to telegram account")
            onToggled: form.markDirty()
        }
        LabelEdit {
            id: groupName
            objectName: "groupNameField"
            label: qsTr("Group name")
            Layout.fillWidth: true
            field.onTextEdited: form.markDirty()
        }
        LabelEdit {
            id: phone
            objectName: "phoneField"
            label: qsTr("Phone")
            field.placeholderText: "+79991234567"
            field.validator: RegExpValidator { regExp: /\+?[0-9 ()-]{0,20}/ }
            Layout.fillWidth: true
            field.onTextEdited: form.markDirty()
        }
        KvoText {
            text: qsTr("Enter the phone number exactly as it appears in your telegram profile")
            color: KvoAppStyle.textDim
            font.pointSize: KvoAppStyle.fontSizeSmall
            wrapMode: Text.WordWrap
            elide: Text.ElideNone
            Layout.fillWidth: true
        }
        KvoText {
            objectName: "telegramStateText"
            text: form.stateText()
            textFormat: Text.StyledText
            color: form.isLink ? KvoAppStyle.ok : KvoAppStyle.text
            Layout.fillWidth: true
        }
        KvoText {
            objectName: "telegramErrorText"
            text: form.lastError
            visible: text !== ""
            color: KvoAppStyle.error
            Layout.fillWidth: true
        }
        RowLayout {
            spacing: KvoAppStyle.spacing
            KvoButton {
                objectName: "linkTelegramButton"
                text: form.isLink ? qsTr("Link again") : qsTr("Link")
                enabled: phone.text.trim() !== "" && !form.isCodeChecking
                onClicked: form.linkRequested()
            }
        }
        RowLayout {
            spacing: KvoAppStyle.spacing
            visible: form.isNeedToConfirmCode
            LabelEdit {
                id: code
                objectName: "codeField"
                label: qsTr("Code")
                Layout.fillWidth: true
            }
            KvoButton {
                objectName: "sendCodeButton"
                text: qsTr("Send code")
                enabled: code.text.trim() !== ""
                onClicked: form.codeEntered(code.text.trim())
            }
        }
    }
}
