import QtQuick 2.13
import "../toolbuttons"

KvoToolButton {
    objectName: "buttonExit"
    iconSource: "qrc:/img/buttons/exit.png"
    toolTipText: qsTr("Exit")
}
