#!/usr/bin/env bash
# Screenshots of the main window under a private X server at 1024 x 768,
# 1920 x 1080, 800 x 600 and 1024 x 600 (and of the title window on the two
# small screens), into docs/screenshots/. Uses the content beside the executable
# when there is any (a "logos" folder), else a small content folder made here.
#   scripts/main-window-screenshots.sh build/app/tintaro [output-folder] [size ...]
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tests/e2e/lib.sh"

program=$(realpath "$1")
out=$(realpath -m "${2:-$here/../docs/screenshots}")
SIZES=("${@:3}")
mkdir -p "$out"

# A category with two drawings, a palette, three textures, the tool pictures
# and a background: enough for every control to show something.
write_small_content() {
    mkdir -p "$APP"/{logos,dibujos/animales,paletas,texturas,gifs,configuracion}
    "$CONVERT" -size 65x67 xc:white -fill orange -draw "circle 32,33 32,4" "gif:$APP/logos/animales.gif"
    for n in 1 2; do
        "$CONVERT" -size 640x480 xc:white +antialias -fill none -stroke black -strokewidth 5 \
            -draw "rectangle 120,220 420,440" -draw "polygon 100,220 270,80 440,220" \
            -draw "rectangle 240,330 300,440" -draw "rectangle 330,260 390,310" \
            -draw "circle 540,90 540,$((40 + 10 * n))" -draw "line 0,440 640,440" \
            "gif:$APP/dibujos/animales/$n.gif"
    done
    local colours=(red orange yellow lime green cyan blue purple magenta pink brown
        black white gray tan navy gold olive teal maroon salmon violet khaki sienna)
    local args=() i=0
    for c in "${colours[@]}"; do
        local x=$((i % 2 * 46)) y=$((i / 2 * 57))
        args+=(-fill "$c" -draw "rectangle $x,$y $((x + 45)),$((y + 56))")
        i=$((i + 1))
    done
    "$CONVERT" -size 92x684 xc:white "${args[@]}" -type truecolor "bmp3:$APP/paletas/paletagrande.bmp"
    "$CONVERT" -size 97x73 pattern:checkerboard -fill '#3a7' -opaque black "bmp3:$APP/texturas/a.bmp"
    "$CONVERT" -size 97x73 pattern:leftshingle "bmp3:$APP/texturas/b.bmp"
    "$CONVERT" -size 97x73 pattern:hexagons "bmp3:$APP/texturas/c.bmp"
    "$CONVERT" -size 90x91 xc:'#fff3b0' -fill gold -stroke black -draw "circle 45,50 45,20" \
        "gif:$APP/gifs/pato.gif"
    "$CONVERT" -size 74x121 xc:'#dff' -fill orange -stroke black -draw "polygon 30,10 44,10 44,95 37,115 30,95" \
        "gif:$APP/gifs/lapiz.gif"
    "$CONVERT" -size 94x81 xc:'#fdf' -stroke black -strokewidth 4 -draw "line 10,70 84,10" \
        "gif:$APP/gifs/recta.gif"
    "$CONVERT" -size 32x32 gradient:'#cfe4ff-#e8f4ff' "jpg:$APP/fondo.jpg"
    printf 'SI' >"$APP/configuracion/guarda.txt"
}

make_app_folder "$program"
if [ -d "$(dirname "$program")/logos" ]; then
    cp -r "$(dirname "$program")"/. "$APP"/
    cp "$program" "$APP/tintaro"
else
    write_small_content
fi

# The title window (on the small screens) and the main window, passed with the
# keyboard as a child does.
shoot() {
    local size=$1 width=${1%x*}
    start_display "$size"
    start_program
    xdotool mousemove 5 5
    if [ "${size#*x}" -lt 768 ]; then
        xdotool search --sync --onlyvisible --name '^Tintaro$' >/dev/null
        sleep 1 # for the first paint
        screenshot "$out/title-$size.png"
    fi
    pass_title_by_keyboard "Ana"
    wait_for_window_of_width "$width" >/dev/null
    sleep 1
    screenshot "$out/main-$size.png"
    kill "$PROGRAM"
}

[ ${#SIZES[@]} -gt 0 ] || SIZES=(1024x768 1920x1080 800x600 1024x600)
for size in "${SIZES[@]}"; do shoot "$size"; done
echo "screenshots in $out"
