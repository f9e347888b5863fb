#!/usr/bin/env bash
# A child double-clicks an area with the fill tool: it turns red, and one press
# of the undo button makes it white again (one double click, one painting step).
source "$(dirname "$0")/lib.sh"

make_app_folder "$1"
write_drawing "$APP/dibujos/animales/1.gif" 300 200 -stroke none -fill "$MARK" -draw "rectangle 60,60 62,62"
start_program
pass_title_by_keyboard "Ana"
wait_for_window_of_width 1024 >/dev/null
read -r _ _ mx my < <(wait_for_colour_box "$WORK/before.png" "$MARK" 0 3)

xdotool mousemove $((mx + 40)) $((my + 40)) click --repeat 2 --delay 60 1
wait_for_pixel "$WORK/filled.png" $((mx + 40)) $((my + 40)) "255,0,0"
click 764 733 # the undo button on a 1024 x 768 screen
wait_for_pixel "$WORK/undone.png" $((mx + 40)) $((my + 40)) "255,255,255"
finish "$WORK/undone.png"
