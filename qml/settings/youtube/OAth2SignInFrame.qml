import QtQuick 2.13
import QtQuick.Layouts 1.12
import QtWebEngine 1.0
import KVO 1.0
import "../../misc"
import "../../components"
import "../../components/text"

// "YouTube sign in": the provider's consent page in a web view. The provider sends the browser to
// a one-shot listener on a loopback port of this program (with a PKCE challenge and a random state
// checked there); a page whose title starts with "Success" and carries the code is read as well.
// The code is exchanged for tokens here and handed over with `tokensReceived`.
KvoFrame {
    id: frame
    objectName: "signInFrame"
    property string clientId: ""
    property string clientSecret: ""
    property bool exchanging: false
    property int lastHttpStatus: 0
    property alias receiver: receiver
    // The web view exists only while signing in: the browser engine is not started otherwise.
    readonly property var webView: webLoader.item

    signal tokensReceived(string accessToken, string refreshToken, int expiresIn)
    signal finished(bool ok)

    title: qsTr("YouTube sign in")
    showTitleBar: true
    detachedWindowWidth: 720
    detachedWindowHeight: 640

    function globals() {
        return typeof globalObjects !== "undefined" ? globalObjects : null
    }

    function begin() {
        exchanging = false
        lastHttpStatus = 0
        if (!receiver.start())
            return false
        webLoader.active = true
        webLoader.item.url = receiver.authorizationUrl(clientId)
        return true
    }

    // Ends the sign-in: the listener closes and the web view goes.
    function endSignIn() {
        receiver.stop()
        webLoader.active = false
    }

    function fail(text, explanation) {
        console.warn("YouTube sign-in failed: " + text + " " + (explanation || ""))
        var g = globals()
        if (g)
            g.showAlert(qsTr("YouTube sign in"), text, explanation || "")
        finished(false)
    }

    // POSTs the code to the token address; the reply's tokens go to the YouTube form.
    function exchange(code) {
        if (exchanging || code === "")
            return
        exchanging = true
        receiver.stop()
        var xhr = new XMLHttpRequest()
        xhr.onreadystatechange = function() {
            if (xhr.readyState !== XMLHttpRequest.DONE)
                return
            frame.exchanging = false
            frame.lastHttpStatus = xhr.status
            if (xhr.status < 200 || xhr.status >= 300) {
                frame.fail(qsTr("Failed to get youtube token! HTTP status is '%1'").arg(xhr.status))
                return
            }
            var reply = null
            try {
                reply = JSON.parse(xhr.responseText)
            } catch (e) {
                reply = null
            }
            if (!reply || !reply.access_token) {
                frame.fail(qsTr("Failed to get youtube token! HTTP status is '%1'").arg(xhr.status),
                           qsTr("The answer carries no access token"))
                return
            }
            frame.tokensReceived(String(reply.access_token), reply.refresh_token ? String(reply.refresh_token) : "",
                                 Number(reply.expires_in) || 0)
            frame.finished(true)
        }
        xhr.open("POST", receiver.tokenEndpoint)
        xhr.setRequestHeader("Content-type", "application/x-www-form-urlencoded")
        xhr.send(receiver.tokenRequestBody(code, clientId, clientSecret))
    }

    OAuthLoopbackReceiver {
        id: receiver
        onCodeReceived: {
            console.info("YouTube sign-in: code received, exchanging it")
            frame.exchange(code)
        }
        onFailed: frame.fail(qsTr("The sign-in was not completed"), error)
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        KvoText {
            objectName: "signInAddress"
            text: frame.webView ? frame.webView.url : ""
            color: KvoAppStyle.textDim
            font.pointSize: KvoAppStyle.fontSizeSmall
            Layout.fillWidth: true
            Layout.margins: KvoAppStyle.spacing / 2
        }
        Loader {
            id: webLoader
            active: false
            Layout.fillWidth: true
            Layout.fillHeight: true
            sourceComponent: WebEngineView {
                objectName: "signInWebView"
                onTitleChanged: {
                    var code = receiver.codeFromTitle(title)
                    if (code !== "")
                        frame.exchange(code)
                }
            }
        }
    }
}
