import QtQuick 2.13
import "../misc"

// Time marks of the visible part of the timeline, with labels far enough apart to read.
Canvas {
    id: scale
    property real viewStart: 0
    property real viewEnd: 0
    property color textColor: KvoAppStyle.textDim
    property color tickColor: KvoAppStyle.border
    readonly property var steps: [1000, 5000, 10000, 30000, 60000, 300000, 600000, 1800000, 3600000,
                                  7200000, 10800000, 21600000]
    readonly property real minLabelDistance: 90

    function stepFor(span, width) {
        for (var i = 0; i < steps.length; ++i)
            if (steps[i] / span * width >= minLabelDistance)
                return steps[i]
        return steps[steps.length - 1]
    }
    function label(ms, step) {
        return Qt.formatDateTime(new Date(ms), step < 60000 ? "hh:mm:ss" : "hh:mm")
    }

    onViewStartChanged: requestPaint()
    onViewEndChanged: requestPaint()
    onWidthChanged: requestPaint()

    onPaint: {
        var ctx = getContext("2d")
        ctx.reset()
        var span = viewEnd - viewStart
        if (span <= 0 || width <= 0)
            return
        var step = stepFor(span, width)
        // Marks fall on local clock values: offset by the time zone of the first visible moment.
        var offset = new Date(viewStart).getTimezoneOffset() * 60000
        var first = Math.ceil((viewStart - offset) / step) * step + offset
        ctx.font = "12px monospace"
        ctx.fillStyle = textColor
        ctx.strokeStyle = tickColor
        ctx.lineWidth = 1
        ctx.textBaseline = "top"
        ctx.beginPath()
        var minor = step / 5
        for (var m = Math.ceil((viewStart - offset) / minor) * minor + offset; m <= viewEnd; m += minor) {
            var mx = Math.round((m - viewStart) / span * width) + 0.5
            ctx.moveTo(mx, height - 4)
            ctx.lineTo(mx, height)
        }
        for (var t = first; t <= viewEnd; t += step) {
            var x = Math.round((t - viewStart) / span * width) + 0.5
            ctx.moveTo(x, height - 10)
            ctx.lineTo(x, height)
            ctx.fillText(label(t, step), x + 3, 2)
        }
        ctx.stroke()
    }
}
