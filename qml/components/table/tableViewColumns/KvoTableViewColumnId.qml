import QtQuick 2.13

KvoTableViewColumn {
    role: "id"
    title: qsTr("Id")
    width: 60
}
