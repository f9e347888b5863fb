#!/usr/bin/env bash
# Every way out keeps the colouring, as the quit button does, and then the
# program ends: the window manager's close (Alt+F4), the signals of a logout
# or a terminal (SIGTERM, SIGINT, SIGHUP), and the window destroyed outright
# by another program.
source "$(dirname "$0")/lib.sh"
need icewm

make_app_folder "$1"
write_drawing "$APP/dibujos/animales/1.gif" 400 300
kept="$APP/dibujos/animales/1.bmp"
start_display 1024x768

for way in window_manager SIGTERM SIGINT SIGHUP windowclose; do
    rm -f "$kept"
    start_program
    pass_title ""
    # Drawing 1 (400 x 300) lies at (310, 200); the fill tool and red are chosen.
    click 400 350
    wait_for_pixel "$WORK/coloured.png" 400 350 "255,0,0" || { kill -9 "$PROGRAM"; continue; }
    case $way in
    window_manager)
        start_window_manager
        xdotool windowactivate --sync "$MAIN" key --clearmodifiers alt+F4 ;;
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
