import QtQuick 2.13

// Stands in for the event player window: keeps the record it was opened with.
QtObject {
    property var entry: ({})
}
