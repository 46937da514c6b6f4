import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../../../misc"
import "../../../components"
import "../../../components/text"

// Time range, device and text of the events filter. makeRequest gives the list request for the
// time and device; the text filters the loaded rows.
KvoForm {
    id: form
    property double dtFrom: 0
    property double dtTo: 0
    property string deviceId: ""
    property string filterText: ""
    property var devices: []
    property bool useTime: true

    // The day of `date` from midnight to the last millisecond, local time.
    function setDay(date) {
        var from = new Date(date.getFullYear(), date.getMonth(), date.getDate())
        var to = new Date(date.getFullYear(), date.getMonth(), date.getDate() + 1)
        dtFrom = from.getTime()
        dtTo = to.getTime() - 1
    }

    function makeRequest() {
        var expressions = []
        if (useTime && dtFrom > 0)
            expressions.push(Utils.whereExpression("dtStart", ">=", dtFrom))
        if (useTime && dtTo > 0)
            expressions.push(Utils.whereExpression("dtStart", "<=", dtTo))
        if (deviceId !== "")
            expressions.push(Utils.whereExpression("rstIDDevice", "=", Number(deviceId)))
        return expressions.length > 0 ? { where: [Utils.whereGroup(expressions)] } : {}
    }

    function getMapParams() {
        var p = makeRequest()
        p.filterText = filterText
        return p
    }

    function msOfDay(d) {
        return ((d.getHours() * 60 + d.getMinutes()) * 60 + d.getSeconds()) * 1000
    }

    property bool _populating: false
    function populateForm(mapParams) {
        _populating = true
        var f = Number(mapParams.dtFrom || 0), t = Number(mapParams.dtTo || 0)
        dtFrom = f
        dtTo = t
        deviceId = mapParams.deviceId !== undefined ? String(mapParams.deviceId) : ""
        filterText = mapParams.filterText || ""
        fromDate.date = f > 0 ? new Date(f) : new Date()
        toDate.date = t > 0 ? new Date(t) : new Date()
        fromTime.milliseconds = f > 0 ? msOfDay(new Date(f)) : 0
        toTime.milliseconds = t > 0 ? msOfDay(new Date(t)) : 86399000
        var index = 0
        for (var i = 0; i < devices.length; ++i) {
            if (String(devices[i].id) === deviceId)
                index = i + 1
        }
        deviceBox.currentIndex = index
        _populating = false
    }

    function combine(d, ms) {
        return new Date(d.getFullYear(), d.getMonth(), d.getDate()).getTime() + ms
    }
    // Reads the time range back from the editors after the user changed one of them.
    function collect() {
        if (_populating)
            return
        dtFrom = combine(fromDate.date, fromTime.milliseconds)
        dtTo = combine(toDate.date, toTime.milliseconds) + 999
    }

    GridLayout {
        columns: 2
        columnSpacing: KvoAppStyle.margin
        rowSpacing: KvoAppStyle.spacing
        width: parent ? parent.width : implicitWidth

        KvoText { text: qsTr("Select time"); font.bold: true; Layout.columnSpan: 2 }
        KvoText { text: qsTr("From") }
        RowLayout {
            DateEdit { id: fromDate; Layout.preferredWidth: 120; onDateEdited: form.collect() }
            TimeEdit { id: fromTime; onMillisecondsChanged: form.collect() }
        }
        KvoText { text: qsTr("To") }
        RowLayout {
            DateEdit { id: toDate; Layout.preferredWidth: 120; onDateEdited: form.collect() }
            TimeEdit { id: toTime; milliseconds: 86399000; onMillisecondsChanged: form.collect() }
        }
        KvoText { text: qsTr("Select device"); font.bold: true; Layout.columnSpan: 2 }
        KvoComboBox {
            id: deviceBox
            objectName: "deviceBox"
            Layout.columnSpan: 2
            Layout.fillWidth: true
            model: {
                var names = [qsTr("All devices")]
                for (var i = 0; i < form.devices.length; ++i)
                    names.push(form.devices[i].deviceName)
                return names
            }
            onActivated: form.deviceId = index === 0 ? "" : String(form.devices[index - 1].id)
        }
        KvoTextField {
            id: textField
            objectName: "filterTextField"
            Layout.columnSpan: 2
            Layout.fillWidth: true
            placeholderText: qsTr("Enter text to filter eventes...")
            text: form.filterText
            onTextEdited: form.filterText = text
        }
    }
}
