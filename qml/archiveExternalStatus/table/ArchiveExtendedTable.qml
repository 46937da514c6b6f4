import QtQuick 2.13
import QtQuick.Layouts 1.12
import KVO 1.0
import "../../misc"
import "../../components"
import "../../components/table"
import "../../components/table/tableViewColumns"
import "../../components/text"
import "../../components/toolBar"

// Where the events stand in their uploads to YouTube and Telegram.
KvoTableContainer {
    id: extended
    // Asked for when it is first shown, and again with the refresh button.
    property bool active: false
    property bool requested: false
    property alias archiveController: archiveController
    property alias table: inner.tableView
    tableForRowCount: inner.tableView
    defaultActiveTable: inner.tableView
    objectsSettingName: "archiveExtendedTable"
    objectName: "archiveExtendedTable"

    function refresh() {
        requested = true
        archiveController.trGetList({ where: [Utils.whereGroup([Utils.whereExpression("type", "=", 2)])],
                                      orderBy: { dtStart: "DESC" }, limit: 1000 })
    }
    onActiveChanged: if (active && !requested) refresh()

    ArchiveController {
        id: archiveController
        ignoreSrInserted: false
        ignoreSrUpdated: false
        autoUpdate: false
        useTrGetList: true
        onSaGetList: {
            if (mapParams.RES === false)
                console.warn("Archive extended: " + mapParams.error)
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        KvoToolBar {
            Layout.fillWidth: true
            KvoText {
                text: qsTr("Archive extended")
                color: KvoAppStyle.textDim
            }
            Item { Layout.fillWidth: true }
            KvoToolButton {
                iconSource: "qrc:/img/toolBar/refresh.png"
                toolTipText: qsTr("Refresh")
                onClicked: extended.refresh()
            }
        }
        KvoInnerTable {
            id: inner
            Layout.fillWidth: true
            Layout.fillHeight: true
            tableView.controller: archiveController
            tableView.requestOnStart: false

            KvoTableViewColumn { role: "deviceName"; title: qsTr("Device name"); width: 160 }
            KvoTableViewColumn { role: "youtubeUploadedStatus"; title: qsTr("Youtube status"); width: 110 }
            KvoTableViewColumn { role: "tgUploadedStatus"; title: qsTr("Telegram status"); width: 110 }
            KvoTableViewColumn { role: "youtubePrivacyType"; title: qsTr("Youtube privacy"); width: 100 }
            KvoTableViewColumnFuzzyTime { role: "dtStartYoutubeLoad"; title: qsTr("Time start to youtube") }
            KvoTableViewColumnFuzzyTime { role: "dtEndYoutubeLoad"; title: qsTr("Time end to youtube") }
            KvoTableViewColumnFuzzyTime { role: "dtStartTgLoad"; title: qsTr("Time start to telegram") }
            KvoTableViewColumnFuzzyTime { role: "dtEndTgLoad"; title: qsTr("Time end to telegram") }
            KvoTableViewColumn { role: "youtubeLoadAttempts"; title: qsTr("Youtube attempts"); width: 110 }
            KvoTableViewColumn { role: "tgLoadAttempts"; title: qsTr("Telegram attempts"); width: 110 }
        }
    }
}
