import QtQuick 2.13

// The three privacy types are there without any request, as in the real controller.
FakeController {
    isStaticModel: true
    Component.onCompleted: {
        originalModel.addRow({ id: 1, code: 1, name: "unlisted" })
        originalModel.addRow({ id: 2, code: 2, name: "Public" })
        originalModel.addRow({ id: 3, code: 3, name: "Private" })
    }
}
