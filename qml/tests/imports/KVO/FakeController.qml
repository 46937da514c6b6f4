import QtQuick 2.13

// Test double of a list controller: records every request instead of sending it.
Item {
    id: controller
    property string objectNumber: "7"
    property string controllerName: ""
    property bool isStaticModel: false
    property bool useTrGetList: false
    property bool ignoreSrUpdated: true
    property bool ignoreSrInserted: true
    property bool autoUpdate: false
    property FakeOriginalModel originalModel: FakeOriginalModel {}
    property FakeProxyModel proxyModel: FakeProxyModel { source: controller.originalModel }
    property var requests: []

    signal saGetList(var mapParams)
    signal saInfo(var mapParams)
    signal srSetFieldValue(var mapParams)
    signal saCreate(var mapParams)
    signal saUpdate(var mapParams)
    signal saRemove(var mapParams)
    signal srUpdated(var mapParams)
    signal srInserted(var mapParams)

    function record(action, params) {
        var r = requests.slice()
        r.push({ action: action, params: params === undefined ? {} : params })
        requests = r
    }
    function requestsOf(action) {
        return requests.filter(function(r) { return r.action === action })
    }
    function trGetList(params) { if (useTrGetList) record("trGetList", params) }
    function trInfo(params) { record("trInfo", params) }
    function trCreate(params) { record("trCreate", params) }
    function trUpdate(params) { record("trUpdate", params) }
    function trRemove(params) { record("trRemove", params) }
}
