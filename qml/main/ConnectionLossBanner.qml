import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../misc"
import "../components/text"

// Says that the connection to the server is lost while the link reconnects. It blocks nothing and
// goes away by itself when the connection is back.
Rectangle {
    id: banner
    objectName: "connectionLossBanner"
    property bool lost: false
    visible: lost
    implicitHeight: visible ? KvoAppStyle.bannerHeight : 0
    color: KvoAppStyle.banner

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: KvoAppStyle.margin
        anchors.rightMargin: KvoAppStyle.margin
        spacing: KvoAppStyle.spacing
        KvoText {
            objectName: "bannerTitle"
            text: qsTr("Network error")
            font.bold: true
        }
        KvoText {
            objectName: "bannerText"
            text: qsTr("Connection is lost. Reconnecting…")
            Layout.fillWidth: true
        }
    }
}
