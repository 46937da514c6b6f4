import QtQuick 2.13
import QtQuick.Controls 1.4
import "../delegates"

TableViewColumn {
    width: 140
    // The width the column was declared with: the last column never gets narrower than this
    // when it stretches over the rest of the table.
    property real declaredWidth: 0
    Component.onCompleted: declaredWidth = width
    delegate: KvoTableViewColumnDelegate {}
}
