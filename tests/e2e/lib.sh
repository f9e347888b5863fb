# Sourced by each end-to-end test. Waits last thirty seconds at most: a loaded
# machine may take a moment to show what a click did.
set -euo pipefail

SKIP=77 # ctest's skip code
need() { for tool in "$@"; do command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is missing"; exit $SKIP; }; done; }
need Xvfb xdotool import
CONVERT=/usr/bin/convert # ImageMagick's own, not a wrapper earlier in PATH
[ -x "$CONVERT" ] || CONVERT=convert
MARK='rgb(17,201,99)' # a colour found nowhere else on the screen

WORK=$(mktemp -d)
PIDS=()
STATUS=0
# A test that fails shows the end of every log it kept (program, X server, window manager).
cleanup() {
    local code=$?
    if [ $code -ne 0 ]; then
        tail -n 20 "$WORK"/*.log 2>/dev/null || true
        [ -z "${XVFB:-}" ] || echo "X server $DISPLAY: $(running "$XVFB" && echo running || echo gone)"
    fi
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done; wait 2>/dev/null || true; rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "$*"; STATUS=1; }

# Waits until the shell condition $1 holds; false after thirty seconds.
wait_until() {
    local end=$((SECONDS + 30))
    until eval "$1"; do [ $SECONDS -lt $end ] || return 1; sleep 0.1; done
}
running() { kill -0 "${1:-$PROGRAM}" 2>/dev/null; }
click() { xdotool mousemove "$1" "$2" click 1; }

# Starts Xvfb at WIDTHxHEIGHT on the first free display from :140 and exports
# DISPLAY. Two tests may pick the same number at once: the display is ours only
# when its lock file names our server, else the next number is tried. The server
# never resets: by default it does when its last client leaves (the check below,
# a program that quits), and a client connecting meanwhile is turned away.
start_display() {
    local n pid
    for n in $(seq 140 240); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 "${1}x24" -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
        pid=$!
        ours() { [ "$(tr -d ' ' 2>/dev/null <"/tmp/.X$n-lock")" = "$pid" ]; }
        wait_until "! running $pid || { ours && DISPLAY=:$n xdotool getdisplaygeometry >/dev/null 2>&1; }"
        if running "$pid" && ours; then
            PIDS+=("$pid")
            XVFB=$pid
            export DISPLAY=":$n"
            DISPLAY_STARTED=1
            return 0
        fi
        kill "$pid" 2>/dev/null || true
    done
    cat "$WORK/xvfb.log"; echo "no X server"; exit 1
}

# Starts icewm, its task bar at the bottom, and waits until it manages the screen.
start_window_manager() {
    HOME=$WORK icewm >"$WORK/icewm.log" 2>&1 &
    WM=$!
    PIDS+=($WM)
    wait_until "xprop -root _NET_WORKAREA 2>/dev/null | grep -q '1024, 7[0-5]'" || fail "icewm did not start: $(cat "$WORK/icewm.log")"
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

# A drawing of WxH at $1: a frame and a line down the middle, 4 pixels black on
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

# The visible window named exactly Tintaro of width $1; wait_for_window_of_width waits for it.
window_of_width() {
    for id in $(xdotool search --onlyvisible --name '^Tintaro$' 2>/dev/null); do
        xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: $1x" && { echo "$id"; return 0; }
    done
    return 1
}
wait_for_window_of_width() {
    wait_until "window_of_width $1 >/dev/null" && window_of_width "$1" || { echo "no window of width $1" >&2; return 1; }
}

window_origin() { xdotool getwindowgeometry "$1" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p'; }

# Types the name $1 in the title window's field and presses its button; $MAIN is the main window.
pass_title() {
    local title tx ty
    title=$(wait_for_window_of_width 517) || return 1
    read -r tx ty < <(window_origin "$title")
    xdotool mousemove $((tx + 200)) $((ty + 600)) click 1 type --delay 20 "$1"
    click $((tx + 410)) $((ty + 604))
    MAIN=$(wait_for_window_of_width 1024)
}

# Once the title window has the keyboard, types the name $1 and Enter. No click.
pass_title_by_keyboard() {
    local title
    has_keyboard() {
        title=$(xdotool search --onlyvisible --name '^Tintaro$' 2>/dev/null | head -1)
        [ -n "$title" ] && [ "$(xdotool getwindowfocus 2>/dev/null)" = "$title" ]
    }
    wait_until has_keyboard || { echo "the title window never got the keyboard"; return 1; }
    xdotool type --delay 30 "$1" && xdotool key Return
}

screenshot() { import -window root "$1"; }

# Colour of pixel ($2, $3) of picture $1 as "r,g,b"; with $4, "W H r,g,b".
pixel() {
    local at="%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]"
    "$CONVERT" "$1" -format "${4:+%w %h }$at" info:
}

expect_pixel() { [ "$(pixel "$1" "$2" "$3")" = "$4" ] || fail "pixel ($2,$3) is $(pixel "$1" "$2" "$3"), expected $4"; }

# Takes screenshots into $1 until pixel ($2, $3) is $4.
wait_for_pixel() { wait_until "screenshot '$1' && [ \"\$(pixel '$1' $2 $3)\" = $4 ]" || expect_pixel "$@"; }

# Takes screenshots into $1 until colour $2 shows at or below row $3 in a box at
# least $4 pixels high; prints the box "W H X Y".
wait_for_colour_box() {
    local box=""
    find_box() {
        screenshot "$1"
        box=$("$CONVERT" "$1" -crop "+0+$3" +repage -fuzz 2% -fill black +opaque "$2" -fill white -opaque "$2" \
            -format '%@' info: 2>/dev/null | awk -F'[x+]' -v top="$3" -v high="$4" \
            'NF == 4 && $1 > 0 { print $1, $2, $3, $4 + top; ok = $2 >= high } END { exit !ok }')
    }
    wait_until "find_box '$1' '$2' $3 $4" && { echo "$box"; return 0; }
    echo "no $2 box $4 pixels high below row $3: ${box:-none}" >&2; return 1
}

# Ends the test: on failure the screenshot $1 is kept in /tmp and the program's log shown.
finish() {
    [ $STATUS -eq 0 ] || { [ -f "${1:-}" ] && cp "$1" "/tmp/tintaro-$(basename "$0" .sh)-failure.png"; }
    exit $STATUS
}
