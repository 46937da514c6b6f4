import QtQuick 2.13
import QtQuick.Controls 2.5

Slider {
    implicitHeight: 28
}
