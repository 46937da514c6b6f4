.pragma library

var knownTypes = ["roi", "check_box", "interval", "value_field", "list"]

// Why a module's parameter list cannot be edited, or "" when every entry is usable.
function problemOf(params) {
    if (!Array.isArray(params))
        return qsTr("the parameter list is not a list")
    var names = {}
    for (var i = 0; i < params.length; ++i) {
        var p = params[i]
        if (p === null || typeof p !== "object" || Array.isArray(p))
            return qsTr("entry %1 is not an object").arg(i + 1)
        if (typeof p.name !== "string" || p.name === "")
            return qsTr("entry %1 has no name").arg(i + 1)
        if (names[p.name])
            return qsTr("parameter '%1' appears twice").arg(p.name)
        names[p.name] = true
        if (knownTypes.indexOf(p.type) < 0)
            return qsTr("parameter '%1' has an unknown type '%2'").arg(p.name).arg(String(p.type))
        var v = p.value
        switch (p.type) {
        case "roi":
            if (!Array.isArray(v) || v.length < 3)
                return qsTr("parameter '%1' needs at least three points").arg(p.name)
            for (var k = 0; k < v.length; ++k) {
                if (!v[k] || typeof v[k].x !== "number" || typeof v[k].y !== "number"
                        || v[k].x < 0 || v[k].x > 1 || v[k].y < 0 || v[k].y > 1)
                    return qsTr("parameter '%1' has a point outside the picture").arg(p.name)
            }
            break
        case "check_box":
            if (typeof v !== "boolean")
                return qsTr("parameter '%1' is not true or false").arg(p.name)
            break
        case "interval":
            if (typeof p.min !== "number" || typeof p.max !== "number" || p.min > p.max || typeof v !== "number")
                return qsTr("parameter '%1' has no usable range").arg(p.name)
            if (p.step !== undefined && (typeof p.step !== "number" || p.step < 0))
                return qsTr("parameter '%1' has a bad step").arg(p.name)
            break
        case "value_field":
            if (typeof v !== "string" && typeof v !== "number")
                return qsTr("parameter '%1' is neither text nor number").arg(p.name)
            break
        case "list":
            if (!Array.isArray(p.available) || !Array.isArray(v))
                return qsTr("parameter '%1' has no item lists").arg(p.name)
            for (var j = 0; j < v.length; ++j) {
                if (p.available.indexOf(v[j]) < 0)
                    return qsTr("parameter '%1' selects an unknown item '%2'").arg(p.name).arg(String(v[j]))
            }
            break
        }
    }
    return ""
}

function copyOf(value) {
    return value === undefined ? undefined : JSON.parse(JSON.stringify(value))
}

function sameValue(a, b) {
    return JSON.stringify(a) === JSON.stringify(b)
}

// The items of a list parameter that are not selected.
function unselected(available, selected) {
    var result = []
    for (var i = 0; i < available.length; ++i) {
        if (selected.indexOf(available[i]) < 0)
            result.push(available[i])
    }
    return result
}

// Decimals that show an interval's step.
function decimalsOf(step) {
    if (typeof step !== "number" || step <= 0 || step >= 1 && Math.floor(step) === step)
        return 0
    var s = String(step)
    var dot = s.indexOf(".")
    return dot < 0 ? 0 : Math.min(4, s.length - dot - 1)
}
