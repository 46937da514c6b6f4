pragma Singleton
import QtQuick 2.13

// Pure helpers shared by the screens; nothing here touches the server.
QtObject {
    // Layouts of the desktop grid in tool-bar order. A "big" layout gives slot 0 a span of cells.
    readonly property var gridSizes: [
        { name: "S1_1", image: "panels_1", columns: 1, rows: 1, spanColumnsBig: 1, spanRowsBig: 1 },
        { name: "S2_2", image: "panels_4", columns: 2, rows: 2, spanColumnsBig: 1, spanRowsBig: 1 },
        { name: "S3_3", image: "panels_9", columns: 3, rows: 3, spanColumnsBig: 1, spanRowsBig: 1 },
        { name: "S4_4_ext", image: "panels_big", columns: 4, rows: 4, spanColumnsBig: 3, spanRowsBig: 3 },
        { name: "S4_4", image: "panels_16", columns: 4, rows: 4, spanColumnsBig: 1, spanRowsBig: 1 },
        { name: "S5_5", image: "panels_25", columns: 5, rows: 5, spanColumnsBig: 1, spanRowsBig: 1 },
        { name: "S6_6", image: "panels_32", columns: 6, rows: 6, spanColumnsBig: 1, spanRowsBig: 1 },
        { name: "S8_8", image: "panels_64", columns: 8, rows: 8, spanColumnsBig: 1, spanRowsBig: 1 }
    ]
    readonly property string defaultGridSize: "S2_2"

    function gridSize(name) {
        for (var i = 0; i < gridSizes.length; ++i) {
            if (gridSizes[i].name === name)
                return gridSizes[i]
        }
        return null
    }

    // Number of tiles a grid holds: every cell, less the cells merged into the big tile.
    function slotCount(columns, rows, spanColumns, spanRows) {
        if (columns <= 0 || rows <= 0)
            return 0
        var merged = Math.max(1, Math.min(spanColumns, columns)) * Math.max(1, Math.min(spanRows, rows))
        return columns * rows - merged + 1
    }

    // Cell of slot `index`: slot 0 takes the big span at the top left, the others fill the
    // remaining cells row by row.
    function cellOfSlot(index, columns, rows, spanColumns, spanRows) {
        var sc = Math.max(1, Math.min(spanColumns, columns))
        var sr = Math.max(1, Math.min(spanRows, rows))
        if (index === 0)
            return { column: 0, row: 0, columnSpan: sc, rowSpan: sr }
        var n = 0
        for (var r = 0; r < rows; ++r) {
            for (var c = 0; c < columns; ++c) {
                if (r < sr && c < sc)
                    continue
                ++n
                if (n === index)
                    return { column: c, row: r, columnSpan: 1, rowSpan: 1 }
            }
        }
        return null
    }

    function pad2(v) {
        return v < 10 ? "0" + v : "" + v
    }

    // Running time as h:mm:ss; negative spans (clock skew) show as zero.
    function formatDuration(ms) {
        var s = Math.max(0, Math.floor(ms / 1000))
        var h = Math.floor(s / 3600)
        var m = Math.floor((s % 3600) / 60)
        return h + ":" + pad2(m) + ":" + pad2(s % 60)
    }

    function formatDateTime(ms) {
        if (ms === undefined || ms === null || isNaN(ms) || ms <= 0)
            return ""
        return Qt.formatDateTime(new Date(Number(ms)), "yyyy-MM-dd hh:mm:ss")
    }

    // The language setting holds "eng" or "rus"; the translator wants "en" or "ru".
    function localeOfLang(lang) {
        var l = String(lang || "").toLowerCase()
        return l.indexOf("ru") === 0 ? "ru" : "en"
    }

    function whereGroup(expressions) {
        return { condition: "and", expressions: expressions }
    }

    function whereExpression(role, operation, value) {
        return { role: role, operation: operation, value: value, condition: "and" }
    }

    // A list answer's rows belong in a controller's OriginalModel when the answer is the
    // controller's own (same "_receiver") or the list is shared by every controller of the group.
    // Returns the number of records handed to the model.
    function fillRowsFromAnswer(controller, mapParams) {
        if (!controller || !controller.originalModel || !mapParams)
            return 0
        var mine = String(mapParams["_receiver"]) === String(controller.objectNumber)
        if (!controller.isStaticModel && !mine)
            return 0
        var entries = mapParams["entries"]
        if (!Array.isArray(entries))
            return 0
        var model = controller.originalModel
        if (hasFunction(model, "addRows")) {
            model.addRows(entries)
        } else {
            for (var i = 0; i < entries.length; ++i)
                model.addRow(entries[i])
        }
        return entries.length
    }

    function hasFunction(obj, name) {
        return obj !== null && obj !== undefined && typeof obj[name] === "function"
    }
}
