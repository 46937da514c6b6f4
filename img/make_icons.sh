#!/usr/bin/env bash
# Draws the interface icons with ImageMagick; run again after changing a drawing.
set -euo pipefail
cd "$(dirname "$0")"
mkdir -p buttons tabBar toolBar tiles
C="#d8dde3"
draw() { # file size primitives...
    local file=$1 size=$2; shift 2
    convert -size "${size}x${size}" xc:none -fill none -stroke "$C" -strokewidth 2 "$@" -strip "$file"
}
grid() { # file columns rows [big span]
    local file=$1 n=$2 span=${3:-1} args=() s=28 o=2
    local cell=$(( s / n ))
    for ((r = 0; r < n; r++)); do
        for ((c = 0; c < n; c++)); do
            if (( span > 1 && r < span && c < span )); then continue; fi
            args+=(-draw "rectangle $((o + c * cell)),$((o + r * cell)) $((o + (c + 1) * cell - 1)),$((o + (r + 1) * cell - 1))")
        done
    done
    if (( span > 1 )); then
        args+=(-draw "rectangle $o,$o $((o + span * cell - 1)),$((o + span * cell - 1))")
    fi
    convert -size 32x32 xc:none -fill none -stroke "$C" -strokewidth 1 "${args[@]}" -strip "toolBar/$file.png"
}
grid panels_1 1; grid panels_4 2; grid panels_9 3; grid panels_big 4 3; grid panels_16 4
grid panels_25 5; grid panels_32 6; grid panels_64 8

draw buttons/minimize.png 24 -draw "line 5,17 19,17"
draw buttons/maximize.png 24 -draw "rectangle 5,5 19,19"
draw buttons/close.png 24 -draw "line 6,6 18,18" -draw "line 18,6 6,18"
draw buttons/exit.png 24 -draw "line 12,3 12,12" -draw "arc 4,5 20,21 -50,230"
draw buttons/help.png 24 -draw "circle 12,12 12,2" -draw "arc 8,5 16,13 180,360" -draw "line 16,9 12,14" -draw "line 12,14 12,16" -draw "point 12,19"
draw tabBar/desktop.png 24 -draw "rectangle 2,4 22,17" -draw "line 8,21 16,21" -draw "line 12,17 12,21"
draw tabBar/devices.png 24 -draw "rectangle 2,7 16,17" -draw "polygon 16,10 22,7 22,17 16,14"
draw tabBar/archive.png 24 -draw "rectangle 3,8 21,21" -draw "rectangle 2,3 22,8" -draw "line 9,13 15,13"
draw tabBar/settings.png 24 -draw "circle 12,12 12,7" -draw "line 12,1 12,5" -draw "line 12,19 12,23" \
    -draw "line 1,12 5,12" -draw "line 19,12 23,12" -draw "line 4,4 7,7" -draw "line 17,17 20,20" \
    -draw "line 4,20 7,17" -draw "line 17,7 20,4"
draw toolBar/calendar.png 24 -draw "rectangle 3,5 21,21" -draw "line 3,10 21,10" -draw "line 8,2 8,7" -draw "line 16,2 16,7"
draw toolBar/stretch.png 24 -draw "line 12,3 12,21" -draw "polyline 7,8 12,3 17,8" -draw "polyline 7,16 12,21 17,16"
draw toolBar/compact.png 24 -draw "line 3,12 21,12" -draw "polyline 7,4 12,9 17,4" -draw "polyline 7,20 12,15 17,20"
draw toolBar/filter.png 24 -draw "polygon 3,4 21,4 14,12 14,20 10,18 10,12"
draw toolBar/refresh.png 24 -draw "arc 4,4 20,20 30,330" -draw "polyline 20,5 20,10 15,10"
draw tiles/add_camera.png 48 -draw "rectangle 4,14 32,36" -draw "polygon 32,20 44,14 44,36 32,30" -draw "line 18,19 18,31" -draw "line 12,25 24,25"
convert -size 64x64 xc:none -fill none -stroke "#e0453a" -strokewidth 4 -draw "arc 6,20 34,44 90,270" \
    -draw "line 20,20 28,20" -draw "line 20,44 28,44" -draw "arc 30,20 58,44 -90,90" -draw "line 36,20 44,20" \
    -draw "line 36,44 44,44" -draw "line 26,10 30,16" -draw "line 38,48 34,54" -strip tiles/broken_link.png
convert -size 32x24 xc:none -fill "#e0453a" -stroke none -draw "roundrectangle 1,2 31,22 6,6" \
    -fill "#ffffff" -draw "polygon 12,7 12,17 21,12" -strip tiles/youtube.png
draw toolBar/play.png 24 -draw "polygon 7,4 20,12 7,20"
draw toolBar/pause.png 24 -draw "rectangle 6,4 9,20" -draw "rectangle 15,4 18,20"
draw toolBar/export.png 24 -draw "line 12,3 12,15" -draw "polyline 7,10 12,15 17,10" -draw "polyline 3,15 3,21 21,21 21,15"
draw toolBar/uploads.png 24 -draw "line 12,21 12,9" -draw "polyline 7,14 12,9 17,14" -draw "line 3,4 21,4"
draw toolBar/timelapse.png 24 -draw "circle 12,12 12,3" -draw "polyline 12,7 12,12 16,14"
