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

# Prefer ImageMagick's own convert over any wrapper earlier in PATH.
CONVERT=/usr/bin/convert
[ -x "$CONVERT" ] || CONVERT=convert

WORK=$(mktemp -d)
PIDS=()
cleanup() {
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

# Starts Xvfb at WIDTHxHEIGHT on the first free display and exports DISPLAY.
start_display() {
    local size=$1 n
    for n in $(seq 140 240); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
    done
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
    PIDS+=($!)
    export DISPLAY=":$n"
    for _ in $(seq 1 100); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "X server did not start"; cat "$WORK/xvfb.log"; exit 1
}

# Copies the executable into a fresh application folder: $APP.
make_app_folder() {
    APP="$WORK/app"
    mkdir -p "$APP"
    cp "$1" "$APP/tintaro"
}

# A drawing of WxH: a frame and a vertical line, 4 px black on white.
write_drawing() {
    local path=$1 w=$2 h=$3
    mkdir -p "$(dirname "$path")"
    "$CONVERT" -size "${w}x${h}" xc:white +antialias -fill none -stroke black -strokewidth 4 \
        -draw "rectangle 10,10 $((w - 11)),$((h - 11))" -draw "line $((w / 2)),10 $((w / 2)),$((h - 11))" \
        "gif:$path"
}

start_program() {
    (cd "$APP" && exec ./tintaro) >"$WORK/program.log" 2>&1 &
    PROGRAM=$!
    PIDS+=($PROGRAM)
}

# Waits until a visible window whose name is exactly Tintaro has width $1; prints its id.
wait_for_window_of_width() {
    local width=$1 id
    for _ in $(seq 1 100); do
        for id in $(xdotool search --onlyvisible --name '^Tintaro$' 2>/dev/null); do
            if xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: ${width}x"; then
                echo "$id"; return 0
            fi
        done
        sleep 0.1
    done
    echo "no window of width $width" >&2; return 1
}

# Top-left corner of a window on the screen, as "X Y".
window_origin() {
    xdotool getwindowgeometry "$1" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p'
}

screenshot() { import -window root "$1"; }

# Colour of one pixel of a PNG as "r,g,b".
pixel() {
    "$CONVERT" "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

expect_pixel() {
    local shot=$1 x=$2 y=$3 want=$4 got
    got=$(pixel "$shot" "$x" "$y")
    if [ "$got" != "$want" ]; then
        echo "pixel ($x,$y) is $got, expected $want"
        return 1
    fi
}

# Takes screenshots into $1 until pixel ($2, $3) is $4, for about ten seconds at
# most: a loaded machine may take a moment to show what a click did.
wait_for_pixel() {
    local shot=$1 x=$2 y=$3 want=$4 got=""
    for _ in $(seq 1 50); do
        screenshot "$shot"
        got=$(pixel "$shot" "$x" "$y")
        [ "$got" = "$want" ] && return 0
        sleep 0.2
    done
    echo "pixel ($x,$y) is $got, expected $want"
    return 1
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
