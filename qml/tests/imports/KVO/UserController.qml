import QtQuick 2.13

FakeController {
    isStaticModel: true
}
