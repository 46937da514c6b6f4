import QtQuick 2.13
import QtQuick.Controls 2.5
import "../../misc"

MenuSeparator {
    id: separator
    height: visible ? implicitHeight : 0
    topPadding: KvoAppStyle.spacing / 2
    bottomPadding: KvoAppStyle.spacing / 2
    contentItem: Rectangle {
        implicitHeight: KvoAppStyle.borderWidth
        color: KvoAppStyle.border
    }
}
