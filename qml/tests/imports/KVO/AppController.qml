import QtQuick 2.13

FakeController {
    signal srStopClient(var mapParams)
    signal srShowClient(var mapParams)
    signal saSetBaseVideoDir(var mapParams)
    signal saGetBaseVideoDir(var mapParams)
    function trShutdownServer(params) { record("trShutdownServer", params) }
    function trGetBaseVideoDir(params) { record("trGetBaseVideoDir", params) }
    function trSetBaseVideoDir(params) { record("trSetBaseVideoDir", params) }
}
