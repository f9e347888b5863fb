#!/usr/bin/env bash
# Under a window manager with a task bar at the bottom, a child passes the title
# window with the keyboard alone; the main window is in the full-screen state
# over the whole screen and the task bar covers none of the bottom row.
source "$(dirname "$0")/lib.sh"
need icewm

make_app_folder "$1"
write_drawing "$APP/dibujos/animales/1.gif" 400 300
start_display 1024x768
start_window_manager
start_program
pass_title_by_keyboard "Ana"
main=$(wait_for_window_of_width 1024)

# The quit button's red square in the bottom row shows whole: 48 pixels high.
wait_for_colour_box "$WORK/main.png" 'rgb(229,57,53)' 683 44 >/dev/null || fail "the bottom row is covered"
geometry=$(xdotool getwindowgeometry "$main" | tr '\n' ' ')
[[ "$geometry" == *"Position: 0,0 "*"Geometry: 1024x768"* ]] || fail "not over the screen: $geometry"
xprop -id "$main" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN || fail "not in the full-screen state"
finish "$WORK/main.png"
