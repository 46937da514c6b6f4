import QtQuick 2.13
import QtTest 1.2
import "../main"

// The notice over the window when no server answered at start and none could be started.
TestCase {
    id: testCase
    name: "FirstStartNotice"
    width: 800
    height: 600
    when: windowShown

    QtObject {
        id: fakeLauncher
        property string address: "127.0.0.1:4321"
        property bool unavailable: false
        property int reason: 0
        property string settingsFile: "/home/u/.config/okulon/dodEzoviviZudorOzerir.conf"
    }

    Component {
        id: noticeComponent
        Item {
            width: 800
            height: 600
            property alias notice: notice
            FirstStartNotice { id: notice; launcher: fakeLauncher }
        }
    }

    function texts(item) {
        var out = []
        for (var i = 0; i < item.children.length; ++i) {
            var child = item.children[i]
            if (child.text !== undefined)
                out.push(child.text)
            out = out.concat(texts(child))
        }
        return out.join("\n")
    }

    function test_shown_only_while_no_server_and_no_connection() {
        var holder = createTemporaryObject(noticeComponent, testCase)
        var notice = holder.notice
        verify(!notice.shown)

        fakeLauncher.reason = 2
        fakeLauncher.unavailable = true
        verify(notice.shown)
        var all = texts(notice)
        verify(all.indexOf("No server answers at 127.0.0.1:4321") >= 0, all)
        verify(all.indexOf("not found beside the client or on the PATH") >= 0, all)
        verify(all.indexOf(fakeLauncher.settingsFile) >= 0, all)
        verify(all.indexOf("--server HOST:PORT") >= 0, all)
        verify(notice.height > 0 && notice.width <= holder.width)

        fakeLauncher.reason = 1
        verify(texts(notice).indexOf("--no-server") >= 0)

        // A server that comes up later takes the notice away.
        notice.connected = true
        verify(!notice.shown)
        notice.connected = false
        fakeLauncher.unavailable = false
        verify(!notice.shown)
    }
}
