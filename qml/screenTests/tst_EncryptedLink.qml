import QtQuick 2.13
import QtTest 1.2

// The client and the server forced to TLS on loopback: the first certificate is pinned and shown in
// the general settings; a server with a new certificate is refused, the window says so and nothing
// is logged in until the user trusts the new one.
TestCase {
    id: testCase
    name: "EncryptedLink"
    when: windowShown

    ScreenFixture {
        id: fx
        testCase: testCase
    }

    property var editor: null

    function initTestCase() {
        SERVER.setSetting("server/tls", "on")
        SETTINGS.setValue("server/tls", "on")
        fx.startClient()
        fx.openTab(3)
        var settings = fx.waitFor("settingsPage")
        verify(settings.show("general"))
        editor = fx.waitFor("generalEditor")
    }
    function cleanupTestCase() {
        fx.close()
    }

    function pin() {
        var value = SETTINGS.value("server/tlsPin/127.0.0.1_" + SERVER.port)
        return value === undefined ? "" : String(value)
    }

    function test_1_theFirstCertificateIsPinnedAndShown() {
        var g = fx.globalObjects
        verify(/^([0-9A-F]{2}:){31}[0-9A-F]{2}$/.test(g.tlsFingerprint), "an encrypted link: " + g.tlsFingerprint)
        compare(pin(), g.tlsFingerprint, "kept in the settings")
        compare(g.tlsPinMismatch, false)
        var text = fx.find("certificateText", editor)
        verify(text.visible)
        verify(text.text.indexOf(g.tlsFingerprint) >= 0, text.text)
        verify(!fx.find("trustCertificateButton", editor).visible)
        verify(!fx.find("connectionLossBanner").visible)
    }

    function test_2_aChangedCertificateIsRefusedUntilTrusted() {
        var g = fx.globalObjects
        var old = g.tlsFingerprint
        SERVER.stop()
        verify(SERVER.removeFolder(SERVER.folder + "/db/tls"), "the server's certificate is gone")
        verify(SERVER.restart(), "the server starts with a new certificate")
        tryVerify(function() { return g.tlsPinMismatch }, 30000, "the new certificate is refused")
        verify(g.tlsFingerprint !== old && g.tlsFingerprint !== "", g.tlsFingerprint)
        compare(pin(), old, "the trusted one stays")
        var banner = fx.find("connectionLossBanner")
        verify(banner.visible)
        compare(fx.find("bannerTitle", banner).text, "Security error")
        verify(fx.find("bannerText", banner).text.indexOf(g.tlsFingerprint) >= 0)
        wait(7000) // longer than the link's reconnection interval
        compare(g.isAuthorized, false, "nothing is logged in meanwhile")
        verify(g.tlsPinMismatch)

        var trust = fx.find("trustCertificateButton", editor)
        verify(trust.visible)
        var text = fx.find("certificateText", editor)
        verify(text.text.indexOf(g.tlsFingerprint) >= 0, text.text)
        mouseClick(trust)
        fx.waitForLogin()
        compare(g.tlsPinMismatch, false)
        compare(pin(), g.tlsFingerprint, "the new certificate is the trusted one")
        verify(g.tlsFingerprint !== old)
        tryVerify(function() { return !banner.visible }, 10000, "the banner goes")
    }
}
