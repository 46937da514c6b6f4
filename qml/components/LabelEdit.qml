import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../misc"
import "text"

// A caption and a text field on one row.
RowLayout {
    property alias label: caption.text
    property alias text: field.text
    property alias field: field
    // Captions line up at this width; a longer one (a translation) takes what it needs.
    property int labelWidth: 140
    spacing: KvoAppStyle.spacing
    KvoText { id: caption; Layout.preferredWidth: Math.max(parent.labelWidth, implicitWidth) }
    KvoTextField { id: field; Layout.fillWidth: true }
}
