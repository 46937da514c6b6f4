import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../../misc"
import "../text"

// Holds one or more tables of a screen with a "Row Count:" footer, and saves their column
// settings under `objectsSettingName`.
FocusScope {
    id: container
    property Item tableForRowCount: null
    property Item defaultActiveTable: null
    property Item frame: null
    property var tables: []
    property string objectsSettingName: ""
    property var objectSettings: ({})
    readonly property bool isDataLoaded: tableForRowCount !== null && tableForRowCount.controller !== null
                                         && tableForRowCount.controller.originalModel !== null
                                         && tableForRowCount.controller.originalModel.dataAtLeastLoaded === true
    default property alias content: body.data

    onActiveFocusChanged: if (activeFocus && defaultActiveTable) defaultActiveTable.forceActiveFocus()

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        Item {
            id: body
            Layout.fillWidth: true
            Layout.fillHeight: true
        }
        Rectangle {
            Layout.fillWidth: true
            implicitHeight: KvoAppStyle.footerHeight
            color: KvoAppStyle.panel
            KvoText {
                anchors.fill: parent
                anchors.leftMargin: KvoAppStyle.margin
                objectName: "rowCountText"
                text: qsTr("Row Count:") + " " + (container.tableForRowCount ? container.tableForRowCount.rowCount : 0)
                color: KvoAppStyle.textDim
                font.pointSize: KvoAppStyle.fontSizeSmall
            }
        }
    }
}
