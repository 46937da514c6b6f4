import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../misc"
import "../components/text"

// Over the window while no server answered at start and none could be started: the address that
// was tried and how to change it. It goes away as soon as a connection is made.
Rectangle {
    id: notice
    objectName: "firstStartNotice"
    property var launcher: typeof SERVER_LAUNCHER !== "undefined" ? SERVER_LAUNCHER : null
    property bool connected: false
    readonly property bool shown: launcher !== null && launcher.unavailable && !connected

    visible: shown
    width: Math.min(parent ? parent.width - 4 * KvoAppStyle.margin : 600, 640)
    height: column.implicitHeight + 4 * KvoAppStyle.margin
    anchors.centerIn: parent
    color: KvoAppStyle.panel
    border.color: KvoAppStyle.warning
    border.width: KvoAppStyle.borderWidth
    radius: KvoAppStyle.radius

    function reasonText(reason) {
        switch (reason) {
        case 1: return qsTr("Starting the local server is switched off (--no-server).")
        case 2: return qsTr("The server program was not found beside the client or on the PATH.")
        case 3: return qsTr("The server program could not be started.")
        }
        return ""
    }

    onShownChanged: {
        if (shown)
            console.info("First-start notice shown: no server at " + launcher.address)
    }

    Connections {
        target: typeof NET !== "undefined" ? NET : null
        ignoreUnknownSignals: true
        function onConnectionState(isConnected) { notice.connected = isConnected }
    }

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: 2 * KvoAppStyle.margin
        spacing: KvoAppStyle.spacing
        KvoText {
            Layout.fillWidth: true
            text: qsTr("No server answers at %1").arg(notice.launcher ? notice.launcher.address : "")
            font.pointSize: KvoAppStyle.fontSizeBig
            color: KvoAppStyle.warning
            wrapMode: Text.Wrap
        }
        KvoText {
            Layout.fillWidth: true
            text: notice.reasonText(notice.launcher ? notice.launcher.reason : 0)
            wrapMode: Text.Wrap
        }
        KvoText {
            Layout.fillWidth: true
            objectName: "firstStartHowToChange"
            text: qsTr("Start the media server, or change the address: the keys \"server/ip\" and \"server/port\" in %1, or start the client with --server HOST:PORT.")
                  .arg(notice.launcher ? notice.launcher.settingsFile : "")
            color: KvoAppStyle.textDim
            wrapMode: Text.Wrap
        }
    }
}
