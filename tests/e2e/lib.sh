# Shared pieces of the end-to-end tests: a private X server, the program in a
# temporary application folder, screenshots and pixel reads. Sourced by each test.
set -euo pipefail

SKIP=77 # ctest's skip code
need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is missing"; exit $SKIP; }
    done
}
need Xvfb xdotool import
CONVERT=/usr/bin/convert # ImageMagick's own, not a wrapper earlier in PATH
[ -x "$CONVERT" ] || CONVERT=convert

WORK=$(mktemp -d)
PIDS=()
STATUS=0
cleanup() {
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "$*"; STATUS=1; }

# Starts Xvfb at WIDTHxHEIGHT on the first free display from :140 and exports DISPLAY.
start_display() {
    local n
    for n in $(seq 140 240); do [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break; done
    Xvfb ":$n" -screen 0 "${1}x24" -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
    PIDS+=($!)
    export DISPLAY=":$n"
    DISPLAY_STARTED=1
    for _ in $(seq 1 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && return 0; sleep 0.1; done
    echo "X server did not start"; cat "$WORK/xvfb.log"; exit 1
}

# $APP: a fresh application folder with the executable $1, the category
# "animales" (an orange logo) and a pale blue background.
make_app_folder() {
    APP="$WORK/app"
    mkdir -p "$APP/logos" "$APP/configuracion"
    cp "$1" "$APP/tintaro"
    "$CONVERT" -size 65x67 xc:orange "gif:$APP/logos/animales.gif"
    "$CONVERT" -size 16x16 xc:'rgb(200,220,240)' "jpg:$APP/fondo.jpg"
}

# A drawing of WxH: a frame and a line down the middle, 4 pixels black on
# white; further arguments are more drawing for convert.
write_drawing() {
    local path=$1 w=$2 h=$3
    shift 3
    mkdir -p "$(dirname "$path")"
    "$CONVERT" -size "${w}x${h}" xc:white +antialias -fill none -stroke black -strokewidth 4 \
        -draw "rectangle 10,10 $((w - 11)),$((h - 11))" -draw "line $((w / 2)),10 $((w / 2)),$((h - 11))" \
        "$@" "gif:$path"
}

# Starts the program in $APP, on a 1024 x 768 display unless one was started.
start_program() {
    [ -n "${DISPLAY_STARTED:-}" ] || start_display 1024x768
    (cd "$APP" && exec ./tintaro) >"$WORK/program.log" 2>&1 &
    PROGRAM=$!
    PIDS+=($PROGRAM)
}

# Waits until a visible window named exactly Tintaro has width $1; prints its id.
wait_for_window_of_width() {
    local id
    for _ in $(seq 1 300); do
        for id in $(xdotool search --onlyvisible --name '^Tintaro$' 2>/dev/null); do
            xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: $1x" && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    echo "no window of width $1" >&2; return 1
}

window_origin() { xdotool getwindowgeometry "$1" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p'; }

# Types the name $1 in the title window's field and presses its button; $MAIN is the main window.
pass_title() {
    local title tx ty
    title=$(wait_for_window_of_width 517) || return 1
    read -r tx ty < <(window_origin "$title")
    xdotool mousemove $((tx + 200)) $((ty + 600)) click 1 type --delay 20 "$1"
    xdotool mousemove $((tx + 410)) $((ty + 604)) click 1
    MAIN=$(wait_for_window_of_width 1024)
}

screenshot() { import -window root "$1"; }

# Colour of one pixel of a PNG as "r,g,b".
pixel() {
    "$CONVERT" "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

expect_pixel() { # SHOT X Y R,G,B
    local got
    got=$(pixel "$1" "$2" "$3")
    [ "$got" = "$4" ] || fail "pixel ($2,$3) is $got, expected $4"
}

# Takes screenshots into $1 until pixel ($2, $3) is $4, for thirty seconds at
# most: a loaded machine may take a moment to show what a click did.
wait_for_pixel() {
    for _ in $(seq 1 150); do
        screenshot "$1"
        [ "$(pixel "$1" "$2" "$3")" = "$4" ] && return 0
        sleep 0.2
    done
    expect_pixel "$@"
}

# Ends the test: on failure the screenshot $1 is kept in /tmp and the program's log shown.
finish() {
    if [ $STATUS -ne 0 ]; then
        [ -f "${1:-}" ] && cp "$1" "/tmp/tintaro-$(basename "$0" .sh)-failure.png"
        cat "$WORK/program.log" 2>/dev/null || true
    fi
    exit $STATUS
}

# Passes the title window as a child does with the keyboard alone: waits until
# the window has the keyboard, types the name $1 and presses Enter. No click.
pass_title_by_keyboard() {
    local title
    for _ in $(seq 1 200); do
        title=$(xdotool search --onlyvisible --name '^Tintaro$' 2>/dev/null | head -1) || true
        if [ -n "$title" ] && [ "$(xdotool getwindowfocus 2>/dev/null)" = "$title" ]; then
            xdotool type --delay 30 "$1" && xdotool key Return && return 0
        fi
        sleep 0.1
    done
    echo "the title window never got the keyboard"; return 1
}

# Takes screenshots into $1 until colour $2 shows at or below row $3 in a box at
# least $4 pixels high, for twenty seconds at most; prints the box "W H X Y".
wait_for_colour_box() {
    local box=""
    for _ in $(seq 1 100); do
        screenshot "$1"
        box=$("$CONVERT" "$1" -crop "+0+$3" +repage -fuzz 2% -fill black +opaque "$2" -fill white \
            -opaque "$2" -format '%@' info: 2>/dev/null | awk -F'[x+]' -v top="$3" -v high="$4" \
            'NF == 4 && $1 > 0 { print $1, $2, $3, $4 + top; ok = $2 >= high } END { exit !ok }') && { echo "$box"; return 0; }
        sleep 0.2
    done
    echo "no $2 box $4 pixels high below row $3: ${box:-none}" >&2; return 1
}
