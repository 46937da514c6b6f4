import QtQuick 2.13

// Test double of the filtering model: remembers the filter and sort calls.
ListModel {
    property var source: null
    property string filterPattern: ""
    property int sortCalls: 0
    function setFilterPattern(pattern) { filterPattern = pattern }
    function sortRows(role, order) { ++sortCalls }
    function proxyData(row, role) { return source ? source.originalData(row, role) : undefined }
    function checkValueByRole(role, value) { return source ? source.checkValueByRole(role, value) : -1 }
}
