import QtQuick 2.13
import "../delegates"
import "../../../misc"

// Epoch milliseconds shown as local date and time.
KvoTableViewColumn {
    width: 150
    delegate: KvoTableViewColumnDelegate {
        display: Utils.formatDateTime(styleData.value)
    }
}
