import QtQuick 2.13

FakeController {
    signal srCode(var mapParams)
    signal srLinked(var mapParams)
}
