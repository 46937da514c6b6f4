import QtQuick 2.13

FakeController {
    id: controller
    isStaticModel: true
    property string sdpDirectory: "/tmp/tileSdp"
    signal saGetSDP(var mapParams)
    signal saTest(var mapParams)
    signal srObjectsDetected(var mapParams)
    signal srStreamStats(var mapParams)

    function trGetSDP(params) { record("trGetSDP", params) }
    function createSDPFile(entry) {
        record("createSDPFile", entry)
        if (!entry.sdpContent || String(entry.sdpContent).trim() === "")
            return ""
        return sdpDirectory + "/" + Number(entry.id) + ".sdp"
    }
}
