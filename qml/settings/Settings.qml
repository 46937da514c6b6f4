import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../misc"
import "../components"
import "../components/text"

// Settings tab; for now only the language of the interface.
Rectangle {
    id: settings
    color: KvoAppStyle.bg
    signal languageRequested(string lang)
    readonly property var languages: ["eng", "rus"]

    ColumnLayout {
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.margins: KvoAppStyle.margin * 2
        spacing: KvoAppStyle.spacing
        KvoText {
            text: qsTr("General settings")
            font.pointSize: KvoAppStyle.fontSizeBig
        }
        RowLayout {
            spacing: KvoAppStyle.spacing
            KvoText { text: qsTr("Language") }
            KvoComboBox {
                objectName: "languageComboBox"
                model: ["English", "Русский"]
                Layout.preferredWidth: 180
                currentIndex: {
                    var lang = typeof SETTINGS !== "undefined" && SETTINGS ? SETTINGS.value("generalSettings/lang") : "eng"
                    return Utils.localeOfLang(lang) === "ru" ? 1 : 0
                }
                onActivated: settings.languageRequested(settings.languages[index])
            }
        }
    }
}
