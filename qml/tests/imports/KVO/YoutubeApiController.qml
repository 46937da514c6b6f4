import QtQuick 2.13

// Answers channel requests with `channelResult`; records the parameters.
FakeController {
    property var channelResult: ({ status: false, errorMessage: "no network in tests" })
    function channelListRequest(params, amountTry) {
        record("channelListRequest", params)
        return channelResult
    }
}
