import QtQuick 2.13

// Pictures of the desktop tab (its tool bar, camera panel, grid and events) for looking at, saved
// beside the test's folders. The window's root item cannot be grabbed, the desktop can.
QtObject {
    property var fixture: null

    function take(name) {
        var desktop = fixture.waitFor("desktopKeeper").desktop
        var path = SERVER.folder + "/../" + name + ".png"
        var done = false
        fixture.testCase.verify(desktop.grabToImage(function(result) {
            result.saveToFile(path)
            console.info("Screenshot " + path)
            done = true
        }))
        fixture.testCase.tryVerify(function() { return done }, 10000)
        return path
    }
}
