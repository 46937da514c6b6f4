import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../../misc"
import "../../components"
import "../../components/text"
import "ModuleParams.js" as ModuleParams

// The editors of one detector module's parameters, one per parameter by its type. A list that
// cannot be edited shows what is wrong with it instead of editors.
ColumnLayout {
    id: paramsEditor
    property var params: []
    // The picture a region of interest is drawn over (a VlcPlayer), if any.
    property var videoSource: null
    readonly property string problem: ModuleParams.problemOf(params)
    readonly property string errorText: problem === "" ? "" : qsTr("Module params error:") + " " + problem
    property var _values: ({})
    property int revision: 0
    readonly property bool isDirty: revision >= 0 && changedParams().length > 0
    spacing: KvoAppStyle.spacing

    onParamsChanged: reset()

    function reset() {
        var v = {}
        if (problem === "") {
            for (var i = 0; i < params.length; ++i)
                v[params[i].name] = ModuleParams.copyOf(params[i].value)
        }
        _values = v
        ++revision
    }
    function valueOf(name) {
        return _values[name]
    }
    function setValue(name, value) {
        if (ModuleParams.sameValue(_values[name], value))
            return
        _values[name] = ModuleParams.copyOf(value)
        ++revision
    }
    // The parameters whose value differs from the module's, as the server takes them.
    function changedParams() {
        var result = []
        if (problem !== "") {
            return result
        }
        for (var i = 0; i < params.length; ++i) {
            var name = params[i].name
            if (!ModuleParams.sameValue(_values[name], params[i].value))
                result.push({ name: name, value: ModuleParams.copyOf(_values[name]) })
        }
        return result
    }
    function editorOf(name) {
        for (var i = 0; i < repeater.count; ++i) {
            var l = repeater.itemAt(i)
            if (l && l.paramName === name)
                return l.item
        }
        return null
    }

    KvoText {
        objectName: "moduleParamsError"
        visible: paramsEditor.problem !== ""
        text: paramsEditor.errorText
        color: KvoAppStyle.error
        wrapMode: Text.WordWrap
        elide: Text.ElideNone
        Layout.fillWidth: true
    }
    Repeater {
        id: repeater
        model: paramsEditor.problem === "" ? paramsEditor.params : []
        Loader {
            readonly property string paramName: modelData.name
            readonly property var param: modelData
            objectName: "paramLoader_" + modelData.name
            Layout.fillWidth: true
            sourceComponent: {
                switch (modelData.type) {
                case "roi": return roiEditor
                case "check_box": return checkBoxEditor
                case "interval": return intervalEditor
                case "value_field": return valueFieldEditor
                case "list": return listEditor
                }
                return null
            }
        }
    }

    // Each editor reads its parameter from the Loader that holds it; while a Loader is torn down
    // (a new list) the parameter reads as empty instead of failing.
    Component {
        id: roiEditor
        ColumnLayout {
            readonly property string editorType: "roi"
            readonly property var param: parent && parent.param ? parent.param : ({})
            readonly property string paramName: param.name || ""
            objectName: "param_" + paramName
            KvoText { text: parent.param.title || parent.paramName }
            CustomImageRoiCrop {
                Layout.fillWidth: true
                Layout.preferredHeight: width * 3 / 4
                videoSource: paramsEditor.videoSource
                points: paramsEditor.revision >= 0 && parent.paramName !== "" ? paramsEditor.valueOf(parent.paramName) : []
                onPointsEdited: paramsEditor.setValue(parent.paramName, points)
            }
        }
    }
    Component {
        id: checkBoxEditor
        KvoCheckBox {
            readonly property string editorType: "check_box"
            readonly property var param: parent && parent.param ? parent.param : ({})
            readonly property string paramName: param.name || ""
            objectName: "param_" + paramName
            text: param.title || paramName
            checked: paramsEditor.revision >= 0 && paramsEditor.valueOf(paramName) === true
            onToggled: paramsEditor.setValue(paramName, checked)
        }
    }
    Component {
        id: intervalEditor
        KvoLabeledSlider {
            readonly property string editorType: "interval"
            readonly property var param: parent && parent.param ? parent.param : ({})
            readonly property string paramName: param.name || ""
            objectName: "param_" + paramName
            text: param.title || paramName
            from: Number(param.min) || 0
            to: Number(param.max) || 0
            stepSize: Number(param.step) || 0
            decimals: ModuleParams.decimalsOf(param.step)
            value: paramsEditor.revision >= 0 ? Number(paramsEditor.valueOf(paramName)) || 0 : 0
            onMoved: paramsEditor.setValue(paramName, value)
        }
    }
    Component {
        id: valueFieldEditor
        LabelEdit {
            readonly property string editorType: "value_field"
            readonly property var param: parent && parent.param ? parent.param : ({})
            readonly property string paramName: param.name || ""
            readonly property bool isNumber: typeof param.value === "number"
            objectName: "param_" + paramName
            label: param.title || paramName
            text: {
                var v = paramsEditor.revision >= 0 ? paramsEditor.valueOf(paramName) : undefined
                return v === undefined ? "" : String(v)
            }
            field.validator: isNumber ? numberValidator : null
            field.onTextEdited: paramsEditor.setValue(paramName, isNumber ? Number(text) : text)
            DoubleValidator { id: numberValidator }
        }
    }
    Component {
        id: listEditor
        ColumnLayout {
            readonly property string editorType: "list"
            readonly property var param: parent && parent.param ? parent.param : ({})
            readonly property string paramName: param.name || ""
            property alias selector: selector
            objectName: "param_" + paramName
            KvoText { text: parent.param.title || parent.paramName }
            ListSelector {
                id: selector
                leftTitle: qsTr("Available objects")
                rightTitle: qsTr("Selected objects")
                selected: paramsEditor.revision >= 0 && parent.paramName !== "" ? paramsEditor.valueOf(parent.paramName) || [] : []
                available: ModuleParams.unselected(parent.param.available || [], selected)
                onChanged: paramsEditor.setValue(parent.paramName, selected)
            }
        }
    }
}
