import QtQuick 2.13
import "../toolbuttons"

KvoToolButton {
    objectName: "buttonHelp"
    iconSource: "qrc:/img/buttons/help.png"
    toolTipText: qsTr("Help")
}
