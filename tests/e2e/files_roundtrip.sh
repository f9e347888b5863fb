#!/usr/bin/env bash
# A child types a name, colours the first drawing, goes on to the next drawing
# and back, finds the colouring again, saves it and quits. On disk: the kept
# colouring of drawing 1 and the saved snapshot under the child's name.
source "$(dirname "$0")/lib.sh"

make_app_folder "$1"
mkdir -p "$APP/logos" "$APP/configuracion"
"$CONVERT" -size 65x67 xc:orange "gif:$APP/logos/animales.gif"
write_drawing "$APP/dibujos/animales/1.gif" 400 300
write_drawing "$APP/dibujos/animales/2.gif" 300 200
printf 'SI\r\n' >"$APP/configuracion/guarda.txt" # shows the save button
"$CONVERT" -size 16x16 xc:"rgb(200,220,240)" "jpg:$APP/fondo.jpg"

start_display 1024x768
start_program
title=$(wait_for_window_of_width 517)
read -r tx ty < <(window_origin "$title")
xdotool mousemove $((tx + 200)) $((ty + 600)) click 1
xdotool type --delay 20 "Ana Maria"
xdotool mousemove $((tx + 410)) $((ty + 604)) click 1
wait_for_window_of_width 1024 >/dev/null
sleep 0.5

# Places on a 1024 x 768 screen, from the window's layout rules: drawing 1
# (400 x 300) lies at (310, 200); the buttons sit in the bottom row.
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.4; }
CANVAS_X=400 CANVAS_Y=350 # inside the left area of drawing 1, at (90, 150) in it
NEXT=(256 733) BACK=(191 733) SAVE=(607 732) QUIT=(894 733)

status=0
fail() { echo "$1"; status=1; }
look() {
    wait_for_pixel "$WORK/$1.png" "$CANVAS_X" "$CANVAS_Y" "$2" ||
        { fail "$1: the canvas point is not $2"; cp "$WORK/$1.png" "/tmp/tintaro-files-$1.png"; }
}

click $CANVAS_X $CANVAS_Y # the fill tool and red are chosen at start-up
look coloured "255,0,0"
click "${NEXT[@]}"
look next "255,255,255"
click "${BACK[@]}"
look back "255,0,0"
click "${SAVE[@]}"
click "${QUIT[@]}"

for _ in $(seq 1 150); do kill -0 "$PROGRAM" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$PROGRAM" 2>/dev/null; then
    fail "the quit button did not end the program"
else
    wait "$PROGRAM" || fail "the program ended with status $?"
fi

# A bitmap as "magic bits-per-pixel width height" and the colour at (90, 150) of it.
describe() {
    printf '%s %s ' "$(head -c2 "$1")" "$(od -An -tu2 -j28 -N2 "$1" | tr -d ' ')"
    "$CONVERT" "$1" -format "%w %h %[fx:int(255*p{90,150}.r)],%[fx:int(255*p{90,150}.g)],%[fx:int(255*p{90,150}.b)]" info:
}

kept="$APP/dibujos/animales/1.bmp"
if [ -f "$kept" ]; then
    [ "$(describe "$kept")" = "BM 24 400 300 255,0,0" ] || fail "kept colouring: $(describe "$kept")"
else
    fail "no kept colouring of drawing 1"
fi
[ ! -e "$APP/dibujos/animales/2.bmp" ] || fail "drawing 2 was kept though never painted"

saved=("$APP"/Misdibujos/*)
if [ ${#saved[@]} -ne 1 ] || [ ! -f "${saved[0]}" ]; then
    fail "expected one saved snapshot, found: ${saved[*]}"
else
    name=$(basename "${saved[0]}")
    [[ "$name" =~ ^Ana\ Maria\ [0-9]{1,2}-[0-9]{1,2}-[0-9]{4}--[0-9]{1,2}-[0-9]{1,2}-[0-9]{1,2}\.bmp$ ]] ||
        fail "saved snapshot named '$name'"
    [ "$(describe "${saved[0]}")" = "BM 24 400 300 255,0,0" ] || fail "saved snapshot: $(describe "${saved[0]}")"
fi
[ $status -eq 0 ] || { echo "program log:"; cat "$WORK/program.log"; }
exit $status
