import QtQuick 2.13
import KVO 1.0
import "../../misc"

// "User settings": creates or edits one account.
UserEditorBase {
    id: editor
    objectName: "userEditor"
    property alias userController: userController
    property alias essentials: essentials
    title: qsTr("User settings")
    form: essentials
    controller: userController

    UserController {
        id: userController
    }

    UserEssentialsForm {
        id: essentials
        anchors.fill: parent
        controller: userController
    }
}
