#!/usr/bin/env bash
# Under a window manager with a task bar at the bottom, a child passes the title
# window with the keyboard alone; the main window is in the full-screen state
# over the whole screen and the task bar covers none of the bottom row.
source "$(dirname "$0")/lib.sh"
need icewm

make_app_folder "$1"
write_drawing "$APP/dibujos/animales/1.gif" 400 300

start_display 1024x768
icewm >"$WORK/icewm.log" 2>&1 &
PIDS+=($!)
for _ in $(seq 1 100); do xprop -root _NET_WORKAREA 2>/dev/null | grep -q '1024, 7[0-5]' && break; sleep 0.1; done
start_program
pass_title_by_keyboard "Ana"
main=$(wait_for_window_of_width 1024)

status=0
# The quit button's red square in the bottom row shows whole: 48 pixels high.
wait_for_colour_box "$WORK/main.png" 'rgb(229,57,53)' 683 44 >/dev/null || status=1
geometry=$(xdotool getwindowgeometry "$main" | tr '\n' ' ')
[[ "$geometry" == *"Position: 0,0 "*"Geometry: 1024x768"* ]] || { echo "not over the screen: $geometry"; status=1; }
xprop -id "$main" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN || { echo "not in the full-screen state"; status=1; }
[ $status -eq 0 ] || cp "$WORK/main.png" /tmp/tintaro-window-manager.png
exit $status
