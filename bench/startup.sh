#!/usr/bin/env bash
# Start-up time: from process start to the main window's first drawing on the
# screen, on the default content and on a catalogue of 100 categories of 100
# drawings, with and without kept colourings for the start-up to clean up.
#
#   bash bench/startup.sh [runs]        (default 20 runs per case)
#
# tintaro_startup_bench, the program with a driver (bench/StartupBenchmark.cpp),
# runs under a private X server on each application folder: it continues from
# the title window by itself as soon as that window is painted, prints when each
# stage was reached, and quits after the first drawing is painted. hyperfine times whole runs (process start to exit); the program's
# own line splits a run into stages, in ms since main() began:
#   title painted  ->  main window ready (the catalogue work: settings, clean-up,
#   counting, first drawing, controls)  ->  first drawing painted.
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${1:-20}

bash scripts/install-deps.sh hyperfine
cmake --preset default >/dev/null
cmake --build --preset default --target tintaro_startup_bench tintaro_content >/dev/null
APP=$PWD/build/app
BENCH=$PWD/build/bench/tintaro_startup_bench

WORK=$(mktemp -d)
XVFB=
cleanup() {
    [ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

for n in $(seq 150 250); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
done
Xvfb ":$n" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
export DISPLAY=":$n"
for _ in $(seq 1 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# ---- The application folders --------------------------------------------------
cp -a "$APP" "$WORK/default"

# 100 categories of 100 drawings, each the default content's first drawing
# (hard links: the folder costs no space), and the same catalogue's kept
# colourings, one for every drawing, kept apart to be laid in before each run.
LARGE=$WORK/large
cp -a "$APP" "$LARGE"
rm -rf "$LARGE/logos" "$LARGE/dibujos"
mkdir -p "$LARGE/logos" "$LARGE/dibujos" "$WORK/kept"
first_logo=$(ls "$APP/logos" | head -1)
first_drawing=$APP/dibujos/${first_logo%.*}/1.gif
cp "$first_drawing" "$WORK/drawing.gif"
convert "$first_drawing" "BMP3:$WORK/colouring.bmp"
mkdir -p "$WORK/one/drawings" "$WORK/one/kept"
for d in $(seq 1 100); do
    ln "$WORK/drawing.gif" "$WORK/one/drawings/$d.gif"
    ln "$WORK/colouring.bmp" "$WORK/one/kept/$d.bmp"
done
for c in $(seq -w 0 99); do
    cp "$APP/logos/$first_logo" "$LARGE/logos/c$c.gif"
    cp -al "$WORK/one/drawings" "$LARGE/dibujos/c$c"
    cp -al "$WORK/one/kept" "$WORK/kept/c$c"
done
lay_kept="cp -alf $WORK/kept/. $LARGE/dibujos/"
remove_kept="find $LARGE/dibujos -name '*.bmp' -delete"

# ---- Stages, from the program's own line -----------------------------------
stages() { # folder, label, prepare command
    local folder=$1 label=$2 prepare=$3 i
    for i in $(seq 1 "$RUNS"); do
        eval "$prepare"
        "$BENCH" "$folder" 2>/dev/null | grep '^tintaro-bench'
    done | sed 's/[a-z_]*_ms=//g' | sort -t' ' -k4 -n | awk -v label="$label" '
        { title[NR] = $2; ready[NR] = $3; drawing[NR] = $4; load[NR] = $3 - $2 }
        END {
            m = int((NR + 1) / 2)  # the run of median first-drawing time
            printf "| %s | %.0f | %.0f | %.0f | %.0f |\n", label, title[m], load[m], ready[m], drawing[m]
        }'
}

echo "## Stages (ms since main() began; the run of median total, of $RUNS)"
echo
echo "| content | title painted | catalogue work | main window ready | first drawing painted |"
echo "|---|---:|---:|---:|---:|"
stages "$WORK/default" "default content" ":"
stages "$LARGE" "100 x 100, nothing to clean up" "$remove_kept"
stages "$LARGE" "100 x 100, 10,000 kept colourings" "$lay_kept"
echo

echo "## Whole runs (hyperfine: process start to exit)"
echo
hyperfine --style basic --warmup 3 --runs "$RUNS" --export-markdown "$WORK/runs.md" \
    -n "default content" --prepare ":" "$BENCH $WORK/default" \
    -n "100 x 100, nothing to clean up" --prepare "$remove_kept" \
    "$BENCH $LARGE" \
    -n "100 x 100, 10,000 kept colourings" --prepare "$lay_kept" \
    "$BENCH $LARGE" >/dev/null 2>&1
cat "$WORK/runs.md"
