#!/usr/bin/env bash
# A teacher imports a ring cut in two halves, with a gap in the right half,
# into a new category; the child goes to that category and fills the right
# half: on the screen that half turns red and nothing else changes.
# Arguments: the tintaro and tintaro-import executables.
source "$(dirname "$0")/lib.sh"

make_app_folder "$1"
cp "$2" "$APP/tintaro-import"
write_drawing "$APP/dibujos/animales/1.gif" 300 200
printf 'SI\r\n' >"$APP/configuracion/adaptar.txt" # drawings shrunk to the canvas

# A ring with a 6-pixel gap on its right, cut in two by a thick line.
"$CONVERT" -size 500x350 xc:white -fill none -stroke black -strokewidth 2 \
    -draw "circle 250,175 370,175" -strokewidth 6 -draw "line 250,55 250,295" \
    -fill white -stroke none -draw "rectangle 362,172 378,177" "$WORK/ring.png"
"$APP/tintaro-import" --gap 10 letras "$WORK/ring.png" >"$WORK/report.txt" || fail "the import failed"
grep -q '^dibujos/letras/1.gif: 1000 x 700, 2 closed areas, 1 gaps closed' "$WORK/report.txt" ||
    fail "unexpected report: $(cat "$WORK/report.txt")"
[ -f "$APP/logos/letras.gif" ] || fail "no logo for the new category"
[ $STATUS -eq 0 ] || finish

start_program
pass_title Ana
read -r mx my < <(window_origin "$MAIN")
# On 1024 x 768 the canvas lies at (98, 6) and is 825 x 688: the drawing's
# middle (500, 350) is at about (510, 350), its halves around (430, 350) and (590, 350).
click $((mx + 126)) $((my + 733)) # the category button
wait_for_pixel "$WORK/before.png" $((mx + 510)) $((my + 350)) "0,0,0"
expect_pixel "$WORK/before.png" $((mx + 590)) $((my + 350)) "255,255,255"
[ $STATUS -eq 0 ] || { echo "the imported drawing is not shown"; finish "$WORK/before.png"; }

click $((mx + 590)) $((my + 350))
wait_for_pixel "$WORK/after.png" $((mx + 590)) $((my + 350)) "255,0,0"
# What the screen should show: the white area under the press, and only it, red.
canvas="833x696+$((mx + 94))+$((my + 2))"
"$CONVERT" "$WORK/before.png" -fill red -draw "color $((mx + 590)),$((my + 350)) floodfill" \
    -crop "$canvas" "$WORK/expected.png"
"$CONVERT" "$WORK/after.png" -crop "$canvas" "$WORK/got.png"
changed=$(compare -metric AE "$WORK/expected.png" "$WORK/got.png" null: 2>&1 || true)
[ "$changed" = "0" ] || fail "$changed pixels differ from the filled area alone"
expect_pixel "$WORK/after.png" $((mx + 430)) $((my + 350)) "255,255,255" # the left half
expect_pixel "$WORK/after.png" $((mx + 120)) $((my + 30)) "255,255,255"  # outside the ring
finish "$WORK/after.png"
