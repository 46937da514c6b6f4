import QtQuick 2.13

FakeController {
    signal srStopClient(var mapParams)
    signal srShowClient(var mapParams)
    function trShutdownServer(params) { record("trShutdownServer", params) }
}
