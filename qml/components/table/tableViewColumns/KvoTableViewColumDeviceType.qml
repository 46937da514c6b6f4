import QtQuick 2.13
import "../delegates"

// Device type by its type code: 3 USB camera, any other camera kind shows as IP camera.
KvoTableViewColumn {
    role: "typeCode"
    title: qsTr("Device type")
    delegate: KvoTableViewColumnDelegate {
        display: Number(styleData.value) === 3 ? qsTr("USB camera") : qsTr("IP camera")
    }
}
