#!/usr/bin/env bash
# A child clicks inside an area of the drawing with the fill tool (chosen at
# start, with red): on the screen the area turns red, and nothing else does.
source "$(dirname "$0")/lib.sh"

make_app_folder "$1"
# 300 x 200, cut in two areas; a small square of the mark colour in the left
# one tells where the drawing lies on the screen.
write_drawing "$APP/dibujos/animales/1.gif" 300 200 -stroke none -fill "$MARK" -draw "rectangle 60,60 62,62"
start_program
pass_title Ana
read -r _ _ mx my < <(wait_for_colour_box "$WORK/before.png" "$MARK" 0 3) ||
    { fail "the drawing is not on the screen"; finish "$WORK/before.png"; }

# Drawing (100, 100) lies in the left area, 40 pixels right of and below the mark.
click $((mx + 40)) $((my + 40))
wait_for_pixel "$WORK/after.png" $((mx + 40)) $((my + 40)) "255,0,0"
expect_pixel "$WORK/after.png" $((mx - 45)) $((my + 120)) "255,0,0"     # the area's far corner
expect_pixel "$WORK/after.png" $((mx + 1)) $((my + 1)) "17,201,99"      # the mark is another colour
expect_pixel "$WORK/after.png" $((mx + 160)) $((my + 40)) "255,255,255" # the right area
expect_pixel "$WORK/after.png" $((mx + 90)) $((my + 40)) "0,0,0"        # the middle line
finish "$WORK/after.png"
