import QtQuick 2.13
import QtQuick.Controls 2.5
import "../../misc"

// A pop-up menu in the dark theme. Items that are not visible take no room.
Menu {
    id: menu
    font.family: KvoAppStyle.fontFamily
    font.pointSize: KvoAppStyle.fontSize
    delegate: KvoMenuItem {}
    padding: KvoAppStyle.borderWidth
    // As wide as the longest item, so that no text is cut in any language.
    implicitWidth: {
        var w = KvoAppStyle.menuMinWidth
        for (var i = 0; i < count; ++i) {
            var item = itemAt(i)
            if (item && item.visible)
                w = Math.max(w, item.implicitWidth)
        }
        return w + leftPadding + rightPadding
    }
    background: Rectangle {
        color: KvoAppStyle.popupBg
        border.color: KvoAppStyle.border
        radius: KvoAppStyle.radius
    }
}
