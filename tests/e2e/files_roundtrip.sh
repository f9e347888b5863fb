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
wait_for_pixel "$WORK/shown.png" 400 350 "255,255,255"
click 400 350 # the fill tool and red are chosen at start-up
wait_for_pixel "$WORK/coloured.png" 400 350 "255,0,0"
click 256 733 # next
wait_for_pixel "$WORK/next.png" 400 350 "255,255,255"
click 191 733 # back
wait_for_pixel "$WORK/back.png" 400 350 "255,0,0"
click 607 732 # save
wait_until 'compgen -G "$APP/Misdibujos/*.bmp" >/dev/null' || fail "nothing saved"
click 894 733 # quit
if wait_until '! running'; then wait "$PROGRAM" || fail "the program ended with status $?"; else
    fail "the quit button did not end the program"
fi

# A 24-bit bitmap of 400 x 300, red at (90, 150).
for bitmap in "$APP/dibujos/animales/1.bmp" "$APP"/Misdibujos/*; do
    [ -f "$bitmap" ] || { fail "no $bitmap"; continue; }
    got="$(head -c2 "$bitmap") $(od -An -tu2 -j28 -N2 "$bitmap" | tr -d ' ') $(pixel "$bitmap" 90 150 size)"
    [ "$got" = "BM 24 400 300 255,0,0" ] || fail "$bitmap: $got"
done
[ ! -e "$APP/dibujos/animales/2.bmp" ] || fail "drawing 2 was kept though never painted"
saved=("$APP"/Misdibujos/*)
[ ${#saved[@]} -eq 1 ] && [[ "$(basename "${saved[0]}")" =~ ^Ana\ Maria\ [0-9]{1,2}-[0-9]{1,2}-[0-9]{4}--[0-9]{1,2}-[0-9]{1,2}-[0-9]{1,2}\.bmp$ ]] ||
    fail "expected one saved snapshot, found: ${saved[*]}"
finish "$WORK/back.png"
