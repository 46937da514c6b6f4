import QtQuick 2.13

FakeController {
    property bool listsWaitForLogIn: false
    signal saAuth(var mapParams)
    signal saSignup(var mapParams)
    signal saFailed(var mapParams)
    function trAuth(params) { record("trAuth", params) }
    function trSignup(params) { record("trSignup", params) }
}
