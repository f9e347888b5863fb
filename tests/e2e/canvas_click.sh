#!/usr/bin/env bash
# A child clicks inside an area of the drawing with the fill tool (chosen at
# start, with red): on the screen the area turns red, and nothing else does.
source "$(dirname "$0")/lib.sh"

MARK='rgb(17,201,99)' # a colour found nowhere else on the screen

make_app_folder "$1"
mkdir -p "$APP/logos" "$APP/dibujos/animales"
"$CONVERT" -size 65x67 xc:orange "gif:$APP/logos/animales.gif"
"$CONVERT" -size 16x16 xc:'rgb(200,220,240)' "jpg:$APP/fondo.jpg"
# 300 x 200: a frame and a middle line cut two areas; a small square of the
# mark colour in the left one tells where the drawing lies on the screen.
"$CONVERT" -size 300x200 xc:white +antialias -fill none -stroke black -strokewidth 4 \
    -draw "rectangle 10,10 289,189" -draw "line 150,10 150,189" \
    -stroke none -fill "$MARK" -draw "rectangle 60,60 62,62" "gif:$APP/dibujos/animales/1.gif"

start_display 1024x768
start_program
title=$(wait_for_window_of_width 517)
read -r tx ty < <(window_origin "$title")
xdotool mousemove $((tx + 200)) $((ty + 600)) click 1
xdotool type --delay 20 "Ana"
xdotool mousemove $((tx + 410)) $((ty + 604)) click 1
wait_for_window_of_width 1024 >/dev/null

# Where the mark is on the screen: the top-left corner of its square.
find_mark() {
    "$CONVERT" "$1" -fill black +opaque "$MARK" -fill white -opaque "$MARK" -format '%@' info: 2>/dev/null |
        sed -n 's/^3x3+\([0-9]*\)+\([0-9]*\)$/\1 \2/p'
}
mark=""
for _ in $(seq 1 50); do
    screenshot "$WORK/before.png"
    mark=$(find_mark "$WORK/before.png")
    [ -n "$mark" ] && break
    sleep 0.1
done
[ -n "$mark" ] || { echo "the drawing is not on the screen"; cp "$WORK/before.png" /tmp/tintaro-canvas-click-failure.png; exit 1; }
read -r mx my <<<"$mark"

# Drawing (100, 100) lies in the left area, 40 pixels right of and below the mark.
xdotool mousemove $((mx + 40)) $((my + 40)) click 1

status=1
for _ in $(seq 1 50); do
    screenshot "$WORK/after.png"
    if [ "$(pixel "$WORK/after.png" $((mx + 40)) $((my + 40)))" = "255,0,0" ]; then status=0; break; fi
    sleep 0.1
done
[ $status -eq 0 ] || echo "the pressed pixel did not turn red"
expect_pixel "$WORK/after.png" $((mx - 45)) $((my + 120)) "255,0,0" || status=1 # far corner of the area
expect_pixel "$WORK/after.png" $((mx + 1)) $((my + 1)) "17,201,99" || status=1  # the mark is another colour
expect_pixel "$WORK/after.png" $((mx + 160)) $((my + 40)) "255,255,255" || status=1 # the right area
expect_pixel "$WORK/after.png" $((mx + 90)) $((my + 40)) "0,0,0" || status=1 # the middle line
if [ $status -ne 0 ]; then cp "$WORK/after.png" /tmp/tintaro-canvas-click-failure.png; fi
exit $status
