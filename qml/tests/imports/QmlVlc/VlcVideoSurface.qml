import QtQuick 2.13

Item {
    enum FillMode { Stretch, PreserveAspectFit, PreserveAspectCrop }
    property int fillMode: 1
    property var source: null
}
