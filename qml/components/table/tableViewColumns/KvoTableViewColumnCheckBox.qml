import QtQuick 2.13
import QtQuick.Controls 2.5
import "../../../misc"
import "../.."

KvoTableViewColumn {
    width: 60
    delegate: Item {
        KvoCheckBox {
            anchors.centerIn: parent
            enabled: false
            checked: styleData.value === true || styleData.value === 1 || styleData.value === "true"
            scale: 0.7
        }
    }
}
