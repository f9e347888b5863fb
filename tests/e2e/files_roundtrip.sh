#!/usr/bin/env bash
# A child types a name, colours the first drawing, goes on to the next drawing
# and back, finds the colouring again, saves it and quits. On disk: the kept
# colouring of drawing 1 and the saved snapshot under the child's name.
source "$(dirname "$0")/lib.sh"

make_app_folder "$1"
write_drawing "$APP/dibujos/animales/1.gif" 400 300
write_drawing "$APP/dibujos/animales/2.gif" 300 200
printf 'SI\r\n' >"$APP/configuracion/guarda.txt" # shows the save button
start_program
pass_title "Ana Maria"

# On a 1024 x 768 screen drawing 1 (400 x 300) lies at (310, 200), so (400, 350)
# is (90, 150) of it, in its left area; the buttons sit in the bottom row.
click() { xdotool mousemove "$1" "$2" click 1; }
wait_for_pixel "$WORK/shown.png" 400 350 "255,255,255"
click 400 350 # the fill tool and red are chosen at start-up
wait_for_pixel "$WORK/coloured.png" 400 350 "255,0,0"
click 256 733 # next
wait_for_pixel "$WORK/next.png" 400 350 "255,255,255"
click 191 733 # back
wait_for_pixel "$WORK/back.png" 400 350 "255,0,0"
click 607 732 # save
for _ in $(seq 1 300); do compgen -G "$APP/Misdibujos/*.bmp" >/dev/null && break; sleep 0.1; done
click 894 733 # quit
for _ in $(seq 1 150); do kill -0 "$PROGRAM" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$PROGRAM" 2>/dev/null; then fail "the quit button did not end the program"; else
    wait "$PROGRAM" || fail "the program ended with status $?"
fi

# A bitmap as "magic bits-per-pixel width height" and the colour at (90, 150) of it.
describe() {
    printf '%s %s ' "$(head -c2 "$1")" "$(od -An -tu2 -j28 -N2 "$1" | tr -d ' ')"
    "$CONVERT" "$1" -format "%w %h %[fx:int(255*p{90,150}.r)],%[fx:int(255*p{90,150}.g)],%[fx:int(255*p{90,150}.b)]" info:
}
kept="$APP/dibujos/animales/1.bmp"
[ -f "$kept" ] && [ "$(describe "$kept")" = "BM 24 400 300 255,0,0" ] || fail "kept colouring of drawing 1: $(describe "$kept" 2>&1)"
[ ! -e "$APP/dibujos/animales/2.bmp" ] || fail "drawing 2 was kept though never painted"
saved=("$APP"/Misdibujos/*)
[ ${#saved[@]} -eq 1 ] && [[ "$(basename "${saved[0]}")" =~ ^Ana\ Maria\ [0-9]{1,2}-[0-9]{1,2}-[0-9]{4}--[0-9]{1,2}-[0-9]{1,2}-[0-9]{1,2}\.bmp$ ]] ||
    fail "expected one saved snapshot, found: ${saved[*]}"
[ "$(describe "${saved[0]}")" = "BM 24 400 300 255,0,0" ] || fail "saved snapshot: $(describe "${saved[0]}" 2>&1)"
finish "$WORK/back.png"
