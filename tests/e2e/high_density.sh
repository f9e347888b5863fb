#!/usr/bin/env bash
# On a screen of device pixel ratio 2 the canvas holds one pixel per pixel of
# the screen: a drawing of 600 x 400 at its natural size covers 600 x 400 of
# them (a 3 x 3 mark stays 3 x 3), a click fills exactly the area under it,
# and the kept colouring has the screen's pixels.
source "$(dirname "$0")/lib.sh"

make_app_folder "$1"
write_drawing "$APP/dibujos/animales/1.gif" 600 400 -stroke none -fill "$MARK" -draw "rectangle 60,60 62,62"
echo NO >"$APP/configuracion/borra.txt"
start_display 3840x2160
export QT_SCALE_FACTOR=2
start_program
pass_title_by_keyboard Ana
read -r bw bh mx my < <(wait_for_colour_box "$WORK/before.png" "$MARK" 0 3) && [ "$bw $bh" = "3 3" ] ||
    { fail "no 3 x 3 mark on the screen: ${bw:-} ${bh:-}"; finish "$WORK/before.png"; }
# Drawing (320, 101), just right of the line at 300: a position taken in the
# layout's pixels instead of the screen's would land left of the line.
xdotool mousemove $((mx + 260)) $((my + 41)) click 1
wait_for_pixel "$WORK/after.png" $((mx + 260)) $((my + 41)) "255,0,0"
for at in "525 325 255,0,0" "244 0 255,0,0" "240 0 0,0,0" "41 41 255,255,255"; do
    read -r dx dy colour <<<"$at"
    expect_pixel "$WORK/after.png" $((mx + dx)) $((my + dy)) "$colour"
done
kill -TERM "$PROGRAM" # a way out that keeps the colouring
wait_until '! running' || fail "SIGTERM did not end the program"
"$CONVERT" "$APP/dibujos/animales/1.bmp" "$WORK/kept.png" || fail "no kept colouring"
[ "$(identify -format %wx%h "$WORK/kept.png")" = 600x400 ] || fail "kept at $(identify -format %wx%h "$WORK/kept.png")"
expect_pixel "$WORK/kept.png" 320 101 "255,0,0"
expect_pixel "$WORK/kept.png" 101 101 "255,255,255"
finish "$WORK/after.png"
