import QtQuick 2.13
import QtQuick.Controls 2.5
import "../misc"

// Base of every panel: optional title bar and tool bar, a busy indicator, and detaching into a
// window of its own (or full screen) and back. A detachable frame must be placed with
// `anchors.fill`, which it drops while detached and restores afterwards.
FocusScope {
    id: frame
    property string title: ""
    property bool showTitleBar: false
    property Item toolBar: null
    property bool isBusy: false
    property bool isDetached: false
    property bool isFullScreen: false
    property var frameWindow: null
    property int detachedWindowWidth: KvoAppStyle.detachedWidth
    property int detachedWindowHeight: KvoAppStyle.detachedHeight
    property alias titleBar: titleBar
    property alias contentArea: contentArea
    default property alias content: contentArea.data

    property Item _homeParent: null
    property var _homeFill: null

    signal detached()
    signal attached()

    function detach(fullScreen) {
        if (isDetached)
            return frameWindow
        var component = Qt.createComponent("KvoFrameWindow.qml")
        if (component.status !== Component.Ready) {
            console.error("kvoFrameWindowComponent is not ready!", component.errorString())
            return null
        }
        var w = component.createObject(null, {
            title: frame.title,
            width: detachedWindowWidth,
            height: detachedWindowHeight,
            frame: frame
        })
        if (!w)
            return null
        _homeParent = frame.parent
        _homeFill = frame.anchors.fill
        frame.anchors.fill = undefined
        frame.parent = w.contentItem
        frame.anchors.fill = w.contentItem
        frameWindow = w
        isDetached = true
        isFullScreen = fullScreen === true
        if (isFullScreen)
            w.showFullScreen()
        else
            w.show()
        frame.forceActiveFocus()
        detached()
        return w
    }

    function attach() {
        if (!isDetached)
            return
        var w = frameWindow
        frame.anchors.fill = undefined
        frame.parent = _homeParent
        if (_homeFill)
            frame.anchors.fill = _homeFill
        isDetached = false
        isFullScreen = false
        frameWindow = null
        if (w) {
            w.frame = null
            w.destroy()
        }
        attached()
    }

    Component.onDestruction: {
        if (frameWindow) {
            frameWindow.frame = null
            frameWindow.destroy()
        }
    }

    KvoTitleBar {
        id: titleBar
        visible: frame.showTitleBar
        height: visible ? implicitHeight : 0
        anchors.left: parent.left
        anchors.right: parent.right
        title: frame.title
    }
    Item {
        id: toolBarHolder
        anchors.top: titleBar.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        height: frame.toolBar ? frame.toolBar.height : 0
        Component.onCompleted: frame._placeToolBar()
    }
    Item {
        id: contentArea
        anchors.top: toolBarHolder.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
    }
    BusyIndicator {
        anchors.centerIn: contentArea
        running: frame.isBusy
        visible: running
        z: 10
    }

    function _placeToolBar() {
        if (toolBar) {
            toolBar.parent = toolBarHolder
            toolBar.anchors.left = toolBarHolder.left
            toolBar.anchors.right = toolBarHolder.right
        }
    }
    onToolBarChanged: _placeToolBar()
}
