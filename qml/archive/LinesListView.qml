import QtQuick 2.13
import QtQuick.Controls 2.5
import "../misc"

// One line per camera with recordings on the day, from the video-line list.
ListView {
    id: lines
    property Item archive: null
    property real trackX: 0
    property int lineHeight: 34
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    model: archive ? archive.videoLineListController.proxyModel : null
    ScrollBar.vertical: ScrollBar {
        id: scrollBar
        contentItem: Rectangle {
            implicitWidth: 6
            radius: 3
            color: scrollBar.pressed ? KvoAppStyle.accent : KvoAppStyle.hover
        }
    }
    delegate: DelegateListView {
        width: lines.width
        height: lines.lineHeight
        archive: lines.archive
        lineIndex: index
        trackX: lines.trackX
        deviceId: String(model.rstIDDevice)
        deviceName: model.deviceName
        lineModelText: model.modelOfArchiveLine
    }
}
