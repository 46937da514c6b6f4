import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../misc"
import "text"

// A caption and a combo box on one row.
RowLayout {
    property alias label: caption.text
    property alias model: box.model
    property alias currentIndex: box.currentIndex
    property alias textRole: box.textRole
    property alias comboBox: box
    property int labelWidth: 140
    signal activated(int index)
    spacing: KvoAppStyle.spacing
    KvoText { id: caption; Layout.preferredWidth: parent.labelWidth }
    KvoComboBox { id: box; Layout.fillWidth: true; onActivated: parent.activated(index) }
}
