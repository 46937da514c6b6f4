import QtQuick 2.13
import "../misc"

// Edges and corners that resize a frameless window through the window system.
Item {
    id: frame
    property var window: null
    property int border: KvoAppStyle.resizeBorder
    anchors.fill: parent
    z: 1000

    function resize(edges) {
        if (window && window.startSystemResize)
            window.startSystemResize(edges)
    }

    Repeater {
        model: [
            { e: Qt.LeftEdge, c: Qt.SizeHorCursor },
            { e: Qt.RightEdge, c: Qt.SizeHorCursor },
            { e: Qt.TopEdge, c: Qt.SizeVerCursor },
            { e: Qt.BottomEdge, c: Qt.SizeVerCursor },
            { e: Qt.LeftEdge | Qt.TopEdge, c: Qt.SizeFDiagCursor },
            { e: Qt.RightEdge | Qt.BottomEdge, c: Qt.SizeFDiagCursor },
            { e: Qt.RightEdge | Qt.TopEdge, c: Qt.SizeBDiagCursor },
            { e: Qt.LeftEdge | Qt.BottomEdge, c: Qt.SizeBDiagCursor }
        ]
        MouseArea {
            readonly property bool atLeft: (modelData.e & Qt.LeftEdge) !== 0
            readonly property bool atRight: (modelData.e & Qt.RightEdge) !== 0
            readonly property bool atTop: (modelData.e & Qt.TopEdge) !== 0
            readonly property bool atBottom: (modelData.e & Qt.BottomEdge) !== 0
            readonly property bool alongHeight: atLeft || atRight
            readonly property bool alongWidth: atTop || atBottom
            x: atRight ? frame.width - frame.border : 0
            y: atBottom ? frame.height - frame.border : 0
            width: alongHeight ? frame.border : frame.width
            height: alongWidth ? frame.border : frame.height
            cursorShape: modelData.c
            onPressed: frame.resize(modelData.e)
        }
    }
}
