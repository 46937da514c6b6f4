import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../misc"
import "text"
import "buttons"

// A caption, the chosen subject's text and a button to choose another.
RowLayout {
    id: box
    property alias label: caption.text
    property alias text: value.text
    property alias buttonText: select.text
    // Captions line up at this width; a longer one (a translation) takes what it needs.
    property int labelWidth: 140
    signal selectRequested()
    spacing: KvoAppStyle.spacing
    KvoText { id: caption; Layout.preferredWidth: Math.max(box.labelWidth, implicitWidth) }
    KvoTextField { id: value; readOnly: true; Layout.fillWidth: true }
    KvoButton { id: select; text: "..."; implicitWidth: KvoAppStyle.buttonHeight; onClicked: box.selectRequested() }
}
