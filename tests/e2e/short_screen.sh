#!/usr/bin/env bash
# On an 800 x 600 screen without a window manager the title window fits on the
# screen and a child passes it with the keyboard alone, then finds the quit
# button on the screen and presses it: the program ends.
source "$(dirname "$0")/lib.sh"

make_app_folder "$1"
write_drawing "$APP/dibujos/animales/1.gif" 400 300
start_display 800x600
start_program
title=$(xdotool search --sync --onlyvisible --name '^Tintaro$' | head -1)
read -r _ ty < <(window_origin "$title")
th=$(xdotool getwindowgeometry "$title" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
[ $((ty + th)) -le 600 ] || fail "the title window runs off the screen: $ty + $th"
pass_title_by_keyboard "Ana"
wait_for_window_of_width 800 >/dev/null

# The red square of the quit button's picture, whole, in the bottom row.
read -r bw bh bx by < <(wait_for_colour_box "$WORK/main.png" 'rgb(229,57,53)' 534 30)
click $((bx + bw / 2)) $((by + bh / 2))
wait_until '! running' || fail "the quit button did not end the program"
finish "$WORK/main.png"
