#!/usr/bin/env bash
# A child types a name in the title window and goes on: the main window covers
# the screen and shows the first drawing of the first category.
source "$(dirname "$0")/lib.sh"

make_app_folder "$1"
write_drawing "$APP/dibujos/animales/1.gif" 400 300
start_program
pass_title Ana
xdotool getwindowgeometry "$MAIN" | grep -q "Geometry: 1024x768" || fail "the main window does not cover the screen"
[ "$(window_origin "$MAIN")" = "0 0" ] || fail "the main window is at $(window_origin "$MAIN")"
# The 400 x 300 drawing at natural size, centred in the frame: its top-left
# corner on the screen at (310, 200), its middle line at x = 200 of the drawing.
wait_for_pixel "$WORK/main.png" 510 350 "0,0,0"
expect_pixel "$WORK/main.png" 410 350 "255,255,255"
expect_pixel "$WORK/main.png" 320 210 "0,0,0"
# Outside the controls the window shows its tiled background (JPEG: roughly).
case "$(pixel "$WORK/main.png" 1000 5)" in
19[0-9],2[12][0-9],2[34][0-9] | 20[0-9],2[12][0-9],2[34][0-9]) ;;
*) fail "the background is $(pixel "$WORK/main.png" 1000 5)" ;;
esac
finish "$WORK/main.png"
