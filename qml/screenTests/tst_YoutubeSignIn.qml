import QtQuick 2.13
import QtTest 1.2
import ScreenTests 1.0

// The YouTube sign-in against a local provider: the consent page in the web view, the redirect to
// the program's loopback listener, the code exchange with the PKCE verifier, the channel name read
// with the new token and the tokens kept on the server; a refused exchange shows its HTTP status.
TestCase {
    id: testCase
    name: "YoutubeSignIn"
    when: windowShown

    ScreenFixture {
        id: fx
        testCase: testCase
    }
    FakeOAuthProvider {
        id: provider
    }

    property var editor: null

    function initTestCase() {
        // The provider addresses are read when the screens are made.
        SETTINGS.setValue("youtube/authorizeUrl", provider.url("/auth"))
        SETTINGS.setValue("youtube/oauthBase", provider.url("/oauth2/v4"))
        SETTINGS.setValue("youtube/apiBase", provider.url("/yt"))
        fx.startClient()
        fx.openTab(3)
        var settings = fx.waitFor("settingsPage")
        verify(settings.show("youtube"))
        editor = fx.waitFor("youTubeEditor")
    }
    function cleanupTestCase() {
        fx.close()
    }

    // A dialog left by a failed test must not take the next test's clicks.
    function init() {
        var button = fx.find("button_ok", fx.window.overlay)
        while (button !== null) {
            mouseClick(button)
            wait(50)
            button = fx.find("button_ok", fx.window.overlay)
        }
        if (editor.signInFrame.isDetached)
            editor.signInFrame.attach()
    }

    function grabWindow(frame, path) {
        var done = false
        frame.grabToImage(function(result) { result.saveToFile(path); done = true })
        tryVerify(function() { return done }, 10000)
    }

    function signInUpToConsent() {
        var form = editor.essentials
        var link = fx.find("linkYoutubeButton", editor)
        verify(link.visible)
        mouseClick(link)
        var frame = editor.signInFrame
        tryVerify(function() { return frame.isDetached }, 5000, "the sign-in window opens")
        compare(frame.frameWindow.title, "YouTube sign in")
        verify(frame.receiver.listening, "the loopback listener waits for the provider")
        verify(frame.receiver.redirectUri.indexOf("http://127.0.0.1:") === 0)
        tryVerify(function() { return frame.webView.title === "Okulon test provider: allow access" && !frame.webView.loading },
                  30000, "the consent page is shown")
        compare(provider.lastState, frame.receiver.state, "the consent request carries the state")
        return frame
    }

    function test_1_signInFillsTheTokensAndReadsTheChannel() {
        var form = editor.essentials
        compare(fx.find("channelNameText", editor).text, "Undefined channel")
        var frame = signInUpToConsent()
        grabWindow(frame, TEST_OUTPUT_DIR + "/screen_youtube_sign_in.png")
        verify(SERVER.fileExists(TEST_OUTPUT_DIR + "/screen_youtube_sign_in.png"))

        frame.webView.runJavaScript("document.getElementById('allow').click()")
        tryVerify(function() { return form.accessToken === "fake-access-token" }, 30000, "the tokens reach the form")
        compare(form.refreshToken, "fake-refresh-token")
        verify(Number(form.utcExpiredDate) > Date.now(), "the expiry time is kept")
        verify(provider.verifierMatched, "the exchange carried the verifier of the challenge")
        compare(provider.tokenRequests, 1)
        tryVerify(function() { return !frame.isDetached }, 10000, "the sign-in window closes")
        verify(!frame.receiver.listening, "the loopback port is closed after one answer")
        compare(fx.find("channelNameText", editor).text, "Okulon test channel")
        verify(fx.find("unlinkYoutubeButton", editor).visible)

        // The tokens are kept on the server for the uploads.
        tryVerify(function() {
            var list = SERVER.request({ FN: "youtubeSettings_trGetList" }, "youtubeSettings_saGetList")
            var rows = list.entries.filter(function(r) { return Number(r.id) > 1 })
            return rows.length === 1 && rows[0].refresh_token === "fake-refresh-token"
                    && rows[0].channelName === "Okulon test channel"
        }, 10000, "the server keeps the tokens and the channel")

        // Unlinking clears them there too.
        mouseClick(fx.find("unlinkYoutubeButton", editor))
        tryVerify(function() {
            var list = SERVER.request({ FN: "youtubeSettings_trGetList" }, "youtubeSettings_saGetList")
            var rows = list.entries.filter(function(r) { return Number(r.id) > 1 })
            return rows.length === 1 && rows[0].refresh_token === "" && rows[0].access_token === ""
        }, 10000, "the server dropped the tokens")
        compare(fx.find("channelNameText", editor).text, "Undefined channel")
    }

    function test_2_refusedExchangeShowsTheHttpStatus() {
        provider.refuseTokens = true
        var form = editor.essentials
        var frame = signInUpToConsent()
        frame.webView.runJavaScript("document.getElementById('allow').click()")
        var text = fx.waitFor("dialogText", 30000, fx.window.overlay)
        compare(text.text, "Failed to get youtube token! HTTP status is '403'")
        compare(form.accessToken, "")
        mouseClick(fx.find("button_ok", fx.window.overlay))
        tryVerify(function() { return !frame.isDetached }, 10000)
    }

    function test_3_answerWithAnotherStateIsRefused() {
        provider.refuseTokens = false
        var frame = signInUpToConsent()
        var requests = provider.tokenRequests
        // A page of somebody else sends the browser to the listener with its own code.
        frame.webView.url = frame.receiver.redirectUri + "?code=stolen&state=not-ours"
        var text = fx.waitFor("dialogText", 30000, fx.window.overlay)
        compare(text.text, "The sign-in was not completed")
        compare(provider.tokenRequests, requests, "no code was exchanged")
        verify(!frame.receiver.listening)
        mouseClick(fx.find("button_ok", fx.window.overlay))
    }
}
