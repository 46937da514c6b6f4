import QtQuick 2.13
import "../delegates"

// Device type by its type code: 1 IP camera, 2 USB camera.
KvoTableViewColumn {
    role: "typeCode"
    title: qsTr("Device type")
    delegate: KvoTableViewColumnDelegate {
        display: Number(styleData.value) === 2 ? qsTr("USB camera") : qsTr("IP camera")
    }
}
