import QtQuick 2.13
import QtQuick.Controls 2.5

ScrollView {
    clip: true
    ScrollBar.horizontal.policy: ScrollBar.AsNeeded
    ScrollBar.vertical.policy: ScrollBar.AsNeeded
}
