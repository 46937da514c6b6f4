import QtQuick 2.13
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.12
import "../misc"
import "text"
import "buttons"

// Two lists of names; the buttons move the chosen name from one to the other. `selected` is the
// right list.
RowLayout {
    id: selector
    property var available: []
    property var selected: []
    property string leftTitle: qsTr("Left list")
    property string rightTitle: qsTr("Right list")
    signal changed()
    spacing: KvoAppStyle.spacing

    function moveRight(name) {
        var i = available.indexOf(name)
        if (i < 0)
            return false
        var a = available.slice()
        a.splice(i, 1)
        available = a
        selected = selected.concat([name])
        changed()
        return true
    }
    function moveLeft(name) {
        var i = selected.indexOf(name)
        if (i < 0)
            return false
        var s = selected.slice()
        s.splice(i, 1)
        selected = s
        available = available.concat([name])
        changed()
        return true
    }

    ColumnLayout {
        KvoText { text: selector.leftTitle }
        ListView {
            id: left
            Layout.preferredWidth: 160
            Layout.fillHeight: true
            Layout.minimumHeight: 120
            clip: true
            model: selector.available
            delegate: ItemDelegate { width: left.width; text: modelData; highlighted: ListView.isCurrentItem
                                     onClicked: left.currentIndex = index; onDoubleClicked: selector.moveRight(modelData) }
        }
    }
    ColumnLayout {
        KvoButton { text: ">"; onClicked: if (left.currentIndex >= 0) selector.moveRight(selector.available[left.currentIndex]) }
        KvoButton { text: "<"; onClicked: if (right.currentIndex >= 0) selector.moveLeft(selector.selected[right.currentIndex]) }
    }
    ColumnLayout {
        KvoText { text: selector.rightTitle }
        ListView {
            id: right
            Layout.preferredWidth: 160
            Layout.fillHeight: true
            Layout.minimumHeight: 120
            clip: true
            model: selector.selected
            delegate: ItemDelegate { width: right.width; text: modelData; highlighted: ListView.isCurrentItem
                                     onClicked: right.currentIndex = index; onDoubleClicked: selector.moveLeft(modelData) }
        }
    }
}
