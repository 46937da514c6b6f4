import QtQuick 2.13
import QtQuick.Controls 2.5
import "../../misc"

MenuBar {
    delegate: KvoMenuBarItem {}
    background: Rectangle { color: "transparent" }
}
