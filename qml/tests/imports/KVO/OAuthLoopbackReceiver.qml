import QtQuick 2.13

// Test double of the sign-in listener: nothing listens; `deliver` plays the browser's answer.
QtObject {
    property bool listening: false
    property string redirectUri: listening ? "http://127.0.0.1:1/" : ""
    property string state: "test-state"
    property string codeVerifier: "test-verifier"
    property string authorizationEndpoint: "http://127.0.0.1:1/auth"
    property string tokenEndpoint: "http://127.0.0.1:1/token"
    signal codeReceived(string code)
    signal failed(string error)
    function start() { listening = true; return true }
    function stop() { listening = false }
    function authorizationUrl(clientId) { return authorizationEndpoint + "?client_id=" + clientId + "&state=" + state }
    function tokenRequestBody(code, clientId, clientSecret) { return "code=" + code + "&code_verifier=" + codeVerifier }
    function codeFromTitle(title) {
        var m = /^Success.*code=([^&\s]+)/.exec(title)
        return m ? decodeURIComponent(m[1]) : ""
    }
}
