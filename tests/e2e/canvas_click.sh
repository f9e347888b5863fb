#!/usr/bin/env bash
# A child types a name in the title window and goes on: the main window covers
# the screen and shows the first drawing of the first category. With the fill
# tool (chosen at start, with red) a click inside an area turns that area red on
# the screen, and nothing else; a double click on the other area turns it red,
# and one press of the undo button makes it white again (one double click, one step).
source "$(dirname "$0")/lib.sh"

make_app_folder "$1"
# 400 x 300, cut in two areas by its middle line, a square of the mark colour at (60, 60).
write_drawing "$APP/dibujos/animales/1.gif" 400 300 -stroke none -fill "$MARK" -draw "rectangle 60,60 62,62"
start_program
pass_title Ana
xdotool getwindowgeometry "$MAIN" | grep -q "Geometry: 1024x768" || fail "the main window does not cover the screen"
[ "$(window_origin "$MAIN")" = "0 0" ] || fail "the main window is at $(window_origin "$MAIN")"
# The drawing at natural size, centred in the frame: its top-left corner on the
# screen at (310, 200), its middle line at x = 200 of the drawing.
wait_for_pixel "$WORK/main.png" 510 350 "0,0,0"
expect_pixel "$WORK/main.png" 320 210 "0,0,0"
# Outside the controls the window shows its tiled background (JPEG: roughly).
case "$(pixel "$WORK/main.png" 1000 5)" in
19[0-9],2[12][0-9],2[34][0-9] | 20[0-9],2[12][0-9],2[34][0-9]) ;;
*) fail "the background is $(pixel "$WORK/main.png" 1000 5)" ;;
esac

click 410 300 # drawing (100, 100), in the left area
wait_for_pixel "$WORK/after.png" 410 300 "255,0,0"
expect_pixel "$WORK/after.png" 330 480 "255,0,0"     # the area's far corner
expect_pixel "$WORK/after.png" 371 261 "17,201,99"   # the mark is another colour
expect_pixel "$WORK/after.png" 610 300 "255,255,255" # the right area
expect_pixel "$WORK/after.png" 510 300 "0,0,0"       # the middle line

xdotool mousemove 610 300 click --repeat 2 --delay 60 1
wait_for_pixel "$WORK/filled.png" 610 300 "255,0,0"
click 764 733 # the undo button
wait_for_pixel "$WORK/undone.png" 610 300 "255,255,255"
expect_pixel "$WORK/undone.png" 410 300 "255,0,0"
finish "$WORK/undone.png"
