import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../misc"
import "../components/text"
import "../desktop/health"

// Connection state, link kind, user and address of the server.
Rectangle {
    id: footer
    property bool isConnected: false
    readonly property bool isP2P: setting("p2pServer/enabled") === true || setting("p2pServer/enabled") === "true"
    implicitHeight: KvoAppStyle.footerHeight
    color: KvoAppStyle.header

    function setting(key) {
        return typeof SETTINGS !== "undefined" && SETTINGS ? SETTINGS.value(key) : ""
    }

    Connections {
        target: typeof NET !== "undefined" ? NET : null
        ignoreUnknownSignals: true
        function onConnectionState(isConnected) { footer.isConnected = isConnected }
    }

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: KvoAppStyle.margin
        anchors.rightMargin: KvoAppStyle.margin
        spacing: KvoAppStyle.margin * 2
        Rectangle {
            width: KvoAppStyle.fontSize
            height: width
            radius: width / 2
            color: footer.isConnected ? KvoAppStyle.ok : KvoAppStyle.error
        }
        KvoText {
            objectName: "connectionStateText"
            text: footer.isConnected ? qsTr("Connected") : qsTr("Disconnected")
            color: footer.isConnected ? KvoAppStyle.ok : KvoAppStyle.textDim
            font.pointSize: KvoAppStyle.fontSizeSmall
        }
        KvoText {
            objectName: "linkKindText"
            text: footer.isP2P ? qsTr("P2P server") : qsTr("Direct server")
            color: KvoAppStyle.textDim
            font.pointSize: KvoAppStyle.fontSizeSmall
        }
        KvoText {
            text: qsTr("User:") + " " + footer.setting(footer.isP2P ? "p2pServer/user" : "server/user")
            color: KvoAppStyle.textDim
            font.pointSize: KvoAppStyle.fontSizeSmall
        }
        KvoText {
            text: qsTr("Address:") + " " + footer.setting(footer.isP2P ? "p2pServer/ip" : "server/ip")
                  + ":" + footer.setting(footer.isP2P ? "p2pServer/port" : "server/port")
            color: KvoAppStyle.textDim
            font.pointSize: KvoAppStyle.fontSizeSmall
        }
        KvoText {
            visible: footer.isP2P
            text: qsTr("Remote server ID") + ": " + footer.setting("p2pServer/remoteUser")
            color: KvoAppStyle.textDim
            font.pointSize: KvoAppStyle.fontSizeSmall
        }
        Item { Layout.fillWidth: true }
        LiveSummary {
            font.pointSize: KvoAppStyle.fontSizeSmall
        }
    }
}
