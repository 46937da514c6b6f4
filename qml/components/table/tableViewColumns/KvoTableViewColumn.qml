import QtQuick 2.13
import QtQuick.Controls 1.4
import "../delegates"

TableViewColumn {
    width: 140
    delegate: KvoTableViewColumnDelegate {}
}
