import QtQuick 2.13
import QtQuick.Controls 2.5
import "../../misc"

// Asks before the client closes; with the box checked the server is asked to stop as well.
Action {
    id: action
    property var appController: null
    property Component dialogComponent: null
    property Item dialogParent: null
    property var dialogObject: null
    signal quitRequested(bool serverStopRequested)

    text: qsTr("Exit")

    function confirm(stopServer) {
        var stopping = stopServer === true && appController !== null && Utils.hasFunction(appController, "trShutdownServer")
        if (stopping)
            appController.trShutdownServer({})
        quitRequested(stopping)
    }

    onTriggered: {
        if (dialogObject || !dialogComponent || !dialogParent)
            return
        dialogObject = dialogComponent.createObject(dialogParent, {
            type: Enums.dialogQuestion,
            title: qsTr("Confirm close"),
            text: qsTr("You are now exiting the video surveillance client"),
            explanation: qsTr("If you set the video server running, video surveillance recording will continue"),
            checkBoxText: qsTr("Stop also the video surveillance server?")
        })
        if (!dialogObject)
            return
        var d = dialogObject
        d.accepted.connect(function() { action.confirm(d.checked) })
        d.Component.destruction.connect(function() { action.dialogObject = null })
    }
}
