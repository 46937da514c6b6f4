import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../misc"
import "../components"
import "../components/text"
import "general"
import "youtube"
import "telegram"
import "onlineAccess"
import "../users/table"

// Settings tab: the list of editors on the left (with the interface language under it) and the
// chosen editor on the right. The users are shown to administrators only.
Rectangle {
    id: settings
    objectName: "settingsPage"
    color: KvoAppStyle.bg
    signal languageRequested(string lang)
    readonly property var languages: ["eng", "rus"]
    readonly property bool isAdmin: typeof globalObjects !== "undefined" && globalObjects ? globalObjects.isAdmin : true
    readonly property var pages: [
        { key: "general", name: qsTr("General"), image: "qrc:/img/buttons/settings.png", adminOnly: false },
        { key: "youtube", name: qsTr("YouTube"), image: "qrc:/img/buttons/youtube.png", adminOnly: false },
        { key: "telegram", name: qsTr("Telegram"), image: "qrc:/img/buttons/telegram.png", adminOnly: false },
        { key: "onlineAccess", name: qsTr("Online access"), image: "qrc:/img/buttons/online.png", adminOnly: false },
        { key: "users", name: qsTr("Users"), image: "qrc:/img/buttons/users.png", adminOnly: true }
    ]
    readonly property var visiblePages: pages.filter(function(p) { return !p.adminOnly || settings.isAdmin })
    property string currentKey: "general"
    property alias generalEditor: generalEditor
    property alias youTubeEditor: youTubeEditor
    property alias telegramEditor: telegramEditor
    property alias onlineAccessEditor: onlineAccessEditor
    readonly property Item userTable: usersLoader.item

    function indexOfKey(key) {
        for (var i = 0; i < pages.length; ++i) {
            if (pages[i].key === key)
                return i
        }
        return 0
    }
    function show(key) {
        for (var i = 0; i < visiblePages.length; ++i) {
            if (visiblePages[i].key === key) {
                currentKey = key
                return true
            }
        }
        return false
    }
    onVisiblePagesChanged: if (!show(currentKey)) currentKey = "general"

    RowLayout {
        anchors.fill: parent
        spacing: 0
        Rectangle {
            Layout.preferredWidth: 210
            Layout.fillHeight: true
            color: KvoAppStyle.panel
            ColumnLayout {
                anchors.fill: parent
                anchors.margins: KvoAppStyle.margin
                spacing: KvoAppStyle.spacing
                ListView {
                    id: list
                    objectName: "settingsList"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    spacing: 2
                    model: settings.visiblePages
                    delegate: Rectangle {
                        objectName: "settingsEntry_" + modelData.key
                        width: ListView.view.width
                        height: KvoAppStyle.rowHeight + KvoAppStyle.spacing
                        radius: KvoAppStyle.radius
                        color: settings.currentKey === modelData.key ? KvoAppStyle.selection
                                                                     : entryMouse.containsMouse ? KvoAppStyle.hover : "transparent"
                        RowLayout {
                            anchors.fill: parent
                            anchors.leftMargin: KvoAppStyle.spacing
                            spacing: KvoAppStyle.spacing
                            KvoImage {
                                source: modelData.image
                                Layout.preferredWidth: KvoAppStyle.iconSize
                                Layout.preferredHeight: KvoAppStyle.iconSize
                            }
                            KvoText { text: modelData.name; Layout.fillWidth: true }
                        }
                        MouseArea {
                            id: entryMouse
                            anchors.fill: parent
                            hoverEnabled: true
                            onClicked: settings.show(modelData.key)
                        }
                    }
                }
                KvoText { text: qsTr("Language"); color: KvoAppStyle.textDim }
                KvoComboBox {
                    objectName: "languageComboBox"
                    model: ["English", "Русский"]
                    Layout.fillWidth: true
                    currentIndex: {
                        var lang = typeof SETTINGS !== "undefined" && SETTINGS ? SETTINGS.value("generalSettings/lang") : "eng"
                        return Utils.localeOfLang(lang) === "ru" ? 1 : 0
                    }
                    onActivated: settings.languageRequested(settings.languages[index])
                }
            }
        }
        KvoStackLayout {
            id: stack
            objectName: "settingsStack"
            Layout.fillWidth: true
            Layout.fillHeight: true
            currentIndex: settings.indexOfKey(settings.currentKey)
            GeneralEditor { id: generalEditor }
            YouTubeEditor { id: youTubeEditor }
            TelegramEditor { id: telegramEditor }
            OnlineAccessEditor { id: onlineAccessEditor }
            Loader {
                id: usersLoader
                active: settings.isAdmin
                sourceComponent: Component { UserTable {} }
            }
        }
    }
}
