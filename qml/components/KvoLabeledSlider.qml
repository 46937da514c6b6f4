import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../misc"
import "text"

// A slider with its caption and current value.
RowLayout {
    id: labeled
    property alias text: caption.text
    property alias from: slider.from
    property alias to: slider.to
    property alias value: slider.value
    property alias stepSize: slider.stepSize
    property int decimals: 0
    signal moved()
    spacing: KvoAppStyle.spacing

    KvoText { id: caption; Layout.preferredWidth: 140 }
    KvoSlider {
        id: slider
        Layout.fillWidth: true
        onMoved: labeled.moved()
    }
    KvoText {
        text: slider.value.toFixed(labeled.decimals)
        Layout.preferredWidth: 48
        horizontalAlignment: Text.AlignRight
    }
}
