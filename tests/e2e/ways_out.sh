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

status=0
for way in window_manager SIGTERM SIGINT SIGHUP windowclose; do
    rm -f "$kept"
    start_program
    pass_title ""
    main=$MAIN
    # Drawing 1 (400 x 300) lies at (310, 200); the fill tool and red are chosen.
    xdotool mousemove 400 350 click 1
    wait_for_pixel "$WORK/coloured.png" 400 350 "255,0,0" || { status=1; kill -9 "$PROGRAM"; continue; }
    case $way in
    window_manager)
        HOME=$WORK icewm >"$WORK/icewm.log" 2>&1 &
        wm=$!
        for _ in $(seq 1 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
        xdotool windowactivate --sync "$main" key --clearmodifiers alt+F4 ;;
    windowclose) xdotool windowclose "$main" ;;
    *) kill -s "$way" "$PROGRAM" ;;
    esac
    for _ in $(seq 1 300); do kill -0 "$PROGRAM" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$PROGRAM" 2>/dev/null; then
        echo "$way: the program is still running"; status=1; kill -9 "$PROGRAM"
    fi
    [ "$way" = window_manager ] && { kill "$wm"; wait "$wm" 2>/dev/null || true; }
    # The kept colouring: a 24-bit bitmap of the drawing, red where it was filled.
    got=none
    [ -f "$kept" ] && got=$("$CONVERT" "$kept" -format "%w %h %[fx:int(255*p{90,150}.r)],%[fx:int(255*p{90,150}.g)],%[fx:int(255*p{90,150}.b)]" info:)
    [ "$got" = "400 300 255,0,0" ] || { echo "$way: kept colouring '$got'"; status=1; }
done
[ $status -eq 0 ] || { echo "program log:"; cat "$WORK/program.log"; }
exit $status
