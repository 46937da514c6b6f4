import QtQuick 2.13
import QtQuick.Controls 2.5
import "../misc"

// An editing form bound to one record of a controller: populateForm fills the fields from a
// record, getMapParams collects them back, runAction sends the create or update.
FocusScope {
    id: form
    property int leftPadding: KvoAppStyle.margin
    property int rightPadding: KvoAppStyle.margin
    property int topPadding: KvoAppStyle.margin
    property int bottomPadding: KvoAppStyle.margin
    property int innerLeftPadding: 0
    property int innerRightPadding: 0
    property int innerTopPadding: 0
    property int innerBottomPadding: 0
    property Item toolBar: null
    property Item footer: null
    property Item defaultActiveField: null
    property var editor: null
    property Item lastActiveControl: null
    property var controller: null
    property string recordId: ""
    property bool isFooter: false
    property int indent: KvoAppStyle.margin
    property bool isDirty: false
    property bool scrollbarVertcalAlwaysOn: false
    default property alias content: body.data

    signal actionFinished(bool ok, var mapParams)

    function initialRequest() {
        if (controller && recordId !== "" && Utils.hasFunction(controller, "trInfo"))
            controller.trInfo({ id: recordId })
        else
            setDefaultFields()
    }
    // Overridden by forms with fields that have defaults.
    function setDefaultFields() {}
    function updateProperties() {}
    function getMapParamsBase() {
        var p = {}
        if (recordId !== "")
            p.id = recordId
        return p
    }
    // Overridden by each form: its fields on top of the base keys.
    function getMapParams() {
        return getMapParamsBase()
    }
    function runActionBase(action, mapParams) {
        if (!controller)
            return false
        if (action === "add" && Utils.hasFunction(controller, "trCreate")) {
            controller.trCreate(mapParams)
            return true
        }
        if (action === "update" && Utils.hasFunction(controller, "trUpdate")) {
            controller.trUpdate(mapParams)
            return true
        }
        return false
    }
    function runAction(action) {
        return runActionBase(action, getMapParams())
    }
    function getStateObject() {
        return { isDirty: isDirty, recordId: recordId }
    }
    // Overridden by each form: fill the fields from a record.
    function populateForm(mapParams) {}
    function processData(action, mapParams) {
        if (String(mapParams["_receiver"]) !== String(controller ? controller.objectNumber : ""))
            return
        if (action === "saInfo") {
            if (mapParams["RES"] !== false) {
                populateForm(mapParams)
                isDirty = false
            }
            return
        }
        var ok = mapParams["RES"] !== false
        // An editor in a window of its own shows the refusal there, where the user looks.
        var host = editor && Utils.hasFunction(editor, "showAlert") ? editor
                 : typeof globalObjects !== "undefined" ? globalObjects : null
        if (!ok && host)
            host.showAlert(action === "saCreate" ? qsTr("Add error") : qsTr("Update error"),
                                    action === "saCreate" ? qsTr("Failed to add") : qsTr("Failed to update"),
                                    mapParams["error"] || "")
        if (ok)
            isDirty = false
        actionFinished(ok, mapParams)
    }

    Connections {
        target: form.controller
        ignoreUnknownSignals: true
        function onSaInfo(mapParams) { form.processData("saInfo", mapParams) }
        function onSaCreate(mapParams) { form.processData("saCreate", mapParams) }
        function onSaUpdate(mapParams) { form.processData("saUpdate", mapParams) }
    }

    ScrollView {
        anchors.fill: parent
        anchors.leftMargin: form.leftPadding
        anchors.rightMargin: form.rightPadding
        anchors.topMargin: form.topPadding
        anchors.bottomMargin: form.bottomPadding
        clip: true
        ScrollBar.vertical.policy: form.scrollbarVertcalAlwaysOn ? ScrollBar.AlwaysOn : ScrollBar.AsNeeded
        Item {
            id: body
            implicitWidth: childrenRect.width + form.innerLeftPadding + form.innerRightPadding
            implicitHeight: childrenRect.height + form.innerTopPadding + form.innerBottomPadding
        }
    }
}
