#!/usr/bin/env bash
# Every way out keeps the colouring, as the quit button does, and then the
# program ends: the window manager's close (Alt+F4), the signals of a logout
# or a terminal (SIGTERM, SIGINT, SIGHUP), and the window destroyed outright
# by another program. Under a window manager with a task bar at the bottom, a
# child passes the title window with the keyboard alone; the main window is in
# the full-screen state over the whole screen and the task bar covers none of
# the bottom row.
source "$(dirname "$0")/lib.sh"
need icewm

make_app_folder "$1"
write_drawing "$APP/dibujos/animales/1.gif" 400 300
kept="$APP/dibujos/animales/1.bmp"
start_display 1024x768

for way in window_manager SIGTERM SIGINT SIGHUP windowclose; do
    rm -f "$kept"
    if [ $way = window_manager ]; then
        start_window_manager
        start_program
        pass_title_by_keyboard Ana
        MAIN=$(wait_for_window_of_width 1024)
        # The quit button's red square in the bottom row shows whole: 48 pixels high.
        wait_for_colour_box "$WORK/main.png" 'rgb(229,57,53)' 683 44 >/dev/null || fail "the bottom row is covered"
        geometry=$(xdotool getwindowgeometry "$MAIN" | tr '\n' ' ')
        [[ "$geometry" == *"Position: 0,0 "*"Geometry: 1024x768"* ]] || fail "not over the screen: $geometry"
        xprop -id "$MAIN" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN || fail "not in the full-screen state"
    else
        start_program
        pass_title ""
    fi
    # Drawing 1 (400 x 300) lies at (310, 200); the fill tool and red are chosen.
    click 400 350
    wait_for_pixel "$WORK/coloured.png" 400 350 "255,0,0" || { kill -9 "$PROGRAM"; continue; }
    case $way in
    window_manager) xdotool windowactivate --sync "$MAIN" key --clearmodifiers alt+F4 ;;
    windowclose) xdotool windowclose "$MAIN" ;;
    *) kill -s "$way" "$PROGRAM" ;;
    esac
    wait_until '! running' || { fail "$way: the program is still running"; kill -9 "$PROGRAM"; }
    [ "$way" = window_manager ] && { kill "$WM"; wait "$WM" 2>/dev/null || true; }
    # The kept colouring: a 24-bit bitmap of the drawing, red where it was filled.
    got=none
    [ -f "$kept" ] && got=$(pixel "$kept" 90 150 size)
    [ "$got" = "400 300 255,0,0" ] || fail "$way: kept colouring '$got'"
done
finish
