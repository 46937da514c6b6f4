import QtQuick 2.13
import "../delegates"

KvoTableViewColumn {
    width: 70
    delegate: KvoTableViewColumnDelegate {
        display: styleData.value === true || styleData.value === 1 || styleData.value === "true" ? qsTr("Yes") : qsTr("No")
    }
}
