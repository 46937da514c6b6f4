import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../misc"
import "../components/text"

// Says that the connection to the server is lost while the link reconnects. It blocks nothing and
// goes away by itself when the connection is back. A server whose certificate changed is not
// reconnected to: the banner says so until the user trusts the new one (general settings).
Rectangle {
    id: banner
    objectName: "connectionLossBanner"
    property bool lost: false
    property bool certificateChanged: false
    property string fingerprint: ""
    visible: lost || certificateChanged
    implicitHeight: visible ? KvoAppStyle.bannerHeight : 0
    color: KvoAppStyle.banner

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: KvoAppStyle.margin
        anchors.rightMargin: KvoAppStyle.margin
        spacing: KvoAppStyle.spacing
        KvoText {
            objectName: "bannerTitle"
            text: banner.certificateChanged ? qsTr("Security error") : qsTr("Network error")
            font.bold: true
        }
        KvoText {
            objectName: "bannerText"
            text: banner.certificateChanged
                  ? qsTr("The server's certificate has changed (SHA-256 %1). Not logged in: compare it with the server's log and trust it in the general settings.").arg(banner.fingerprint)
                  : qsTr("Connection is lost. Reconnecting…")
            elide: Text.ElideRight
            Layout.fillWidth: true
        }
    }
}
