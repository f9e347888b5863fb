#!/usr/bin/env bash
# A child types a name in the title window and continues: the main window covers
# the screen and shows the first drawing of the first category.
source "$(dirname "$0")/lib.sh"

make_app_folder "$1"
mkdir -p "$APP/logos"
"$CONVERT" -size 65x67 xc:orange "gif:$APP/logos/animales.gif"
write_drawing "$APP/dibujos/animales/1.gif" 400 300
"$CONVERT" -size 16x16 xc:'rgb(200,220,240)' "jpg:$APP/fondo.jpg"

start_display 1024x768
start_program
title=$(wait_for_window_of_width 517)
read -r tx ty < <(window_origin "$title")
# The name field and the continue button, at their places in the title window.
xdotool mousemove $((tx + 200)) $((ty + 600)) click 1
xdotool type --delay 20 "Ana"
xdotool mousemove $((tx + 410)) $((ty + 604)) click 1

main=$(wait_for_window_of_width 1024)
xdotool getwindowgeometry "$main" | grep -q "Geometry: 1024x768" || {
    echo "the main window does not cover the screen"; xdotool getwindowgeometry "$main"; exit 1; }
read -r mx my < <(window_origin "$main")
[ "$mx" = 0 ] && [ "$my" = 0 ] || { echo "main window at $mx,$my"; exit 1; }
wait_for_pixel "$WORK/main.png" 510 350 "0,0,0" || true

# The 400 x 300 drawing at natural size is centred in the frame: its top-left
# corner on the screen is (310, 200); its middle line at x = 200 of the drawing.
status=0
expect_pixel "$WORK/main.png" 510 350 "0,0,0" || status=1
expect_pixel "$WORK/main.png" 410 350 "255,255,255" || status=1
expect_pixel "$WORK/main.png" 320 210 "0,0,0" || status=1
# Outside the controls the window shows its tiled background (JPEG: roughly).
bg=$(pixel "$WORK/main.png" 1000 5)
case "$bg" in 19[0-9],2[12][0-9],2[34][0-9]|20[0-9],2[12][0-9],2[34][0-9]) ;; *) echo "background is $bg"; status=1 ;; esac
if [ $status -ne 0 ]; then cp "$WORK/main.png" /tmp/tintaro-startup-failure.png; fi
exit $status
