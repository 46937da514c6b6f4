pragma Singleton
import QtQuick 2.13

// Every colour and size of the screens lives here, so that screens carry no literals.
QtObject {
    readonly property color bg: "#1e2329"
    readonly property color bgDark: "#15191d"
    readonly property color bgLight: "#2a3038"
    readonly property color panel: "#232930"
    readonly property color header: "#181c21"
    readonly property color border: "#3a424c"
    readonly property color text: "#e6e6e6"
    readonly property color textDim: "#9aa4ae"
    readonly property color textDark: "#15191d"
    readonly property color accent: "#2f8ae0"
    readonly property color accentDark: "#1f5f9e"
    readonly property color hover: "#333b45"
    readonly property color selection: "#34597f"
    readonly property color ok: "#3cb371"
    readonly property color error: "#e0453a"
    readonly property color warning: "#e0b43a"
    readonly property color recording: "#ff2a2a"
    readonly property color shade: "#b0000000"
    readonly property color shadeLight: "#60000000"
    readonly property color tileBg: "#0d0f12"
    readonly property color dropHint: "#402f8ae0"
    readonly property color dropForbidden: "#40e0453a"
    readonly property color motion: "#40c4ff"
    readonly property color motionFill: "#3340c4ff"
    readonly property color banner: "#c0392b"
    readonly property color popupBg: "#262c34"

    readonly property string fontFamily: "Roboto"
    // Labels that shrink to fit a small tile go no smaller than this.
    readonly property int fontSizeMin: 6
    readonly property int fontSizeSmall: 9
    readonly property int fontSize: 11
    readonly property int fontSizeBig: 14
    readonly property int fontSizeTitle: 18

    readonly property int titleBarHeight: 32
    readonly property int headerHeight: 44
    readonly property int footerHeight: 24
    readonly property int toolBarHeight: 36
    readonly property int buttonHeight: 28
    readonly property int buttonMinWidth: 84
    readonly property int rowHeight: 26
    readonly property int tileBarHeight: 18
    readonly property int menuItemHeight: 28
    readonly property int menuMinWidth: 160
    readonly property int bannerHeight: 30
    readonly property int iconSize: 20
    readonly property int tabWidth: 130
    readonly property int spacing: 6
    readonly property int margin: 8
    readonly property int radius: 3
    readonly property int borderWidth: 1
    readonly property int resizeBorder: 5
    readonly property int dialogWidth: 460
    readonly property int editorWidth: 520
    readonly property int editorHeight: 420
    readonly property int detachedWidth: 640
    readonly property int detachedHeight: 400
    readonly property real movingOpacity: 0.5
    readonly property real disabledOpacity: 0.4

    readonly property int blinkIntervalMs: 600
    readonly property real blinkDimOpacity: 0.15
    readonly property int detectionLifetimeMs: 2000
    readonly property int restartDelayMs: 1000
}
