import QtQuick 2.13

Item {
    enum FillMode { Stretch, PreserveAspectFit, PreserveAspectCrop }
    property int fillMode: 1
    property var source: null
    property bool holdLastFrame: false
    property rect sourceRect: Qt.rect(0, 0, 1, 1)
    readonly property real zoom: 1 / sourceRect.width
    readonly property rect contentRect: Qt.rect(0, 0, width, height)
    property real fakeFrameCount: 0
    property real fakeMsSinceLastFrame: -1
    function zoomAt(factor, point) {}
    function panBy(delta) {}
    function resetZoom() { sourceRect = Qt.rect(0, 0, 1, 1) }
    function mapFromPicture(r) {
        return Qt.rect(r.x * width, r.y * height, r.width * width, r.height * height)
    }
    function frameCount() { return fakeFrameCount }
    function msSinceLastFrame() { return fakeMsSinceLastFrame }
    function frameSize() { return Qt.size(0, 0) }
}
