#!/usr/bin/env bash
# The .deb installs a program that starts for an ordinary user: built from the
# build tree, unpacked into a temporary root, started through its launcher with
# a fresh home folder. The launcher copies the program folder into the user's
# data folder, starts it from there, and on a newer installation refreshes the
# copy without losing the child's work or the user's own settings.
# Argument: the build folder (holds CPackConfig.cmake).
source "$(dirname "$0")/lib.sh"
need cpack dpkg-deb dpkg-shlibdeps

BUILD=$1
fail() { echo "$*"; exit 1; }

cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$WORK/pkg" >"$WORK/cpack.log" 2>&1 ||
    { cat "$WORK/cpack.log"; fail "cpack failed"; }
DEB=$(ls "$WORK"/pkg/tintaro_*.deb)

# The package names the system's Qt runtime it needs.
depends=$(dpkg-deb -f "$DEB" Depends)
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6multimedia6 \
    libqt6svg6 qt6-image-formats-plugins; do
    grep -Eq "(^|, )$p(,| |$)" <<<"$depends" || fail "Depends lacks $p: $depends"
done

ROOT=$WORK/root
dpkg -x "$DEB" "$ROOT"
OPT=$ROOT/opt/tintaro
for f in usr/bin/tintaro usr/share/applications/tintaro.desktop \
    usr/share/icons/hicolor/scalable/apps/tintaro.svg opt/tintaro/tintaro \
    opt/tintaro/configuracion/borra.txt opt/tintaro/paletas/paletagrande.bmp; do
    [ -e "$ROOT/$f" ] || fail "the package lacks /$f"
done
[ -d "$OPT/Misdibujos" ] || fail "the package lacks the Misdibujos folder"
[ -z "$(find "$OPT/dibujos" -iname '*.bmp')" ] || fail "the package ships kept colourings"
[ "$(ls "$OPT/logos" | wc -l)" -gt 0 ] || fail "the package has no categories"
grep -qx 'Exec=tintaro' "$ROOT/usr/share/applications/tintaro.desktop" || fail "desktop Exec"
grep -qx 'Categories=Education;Graphics;KidsGame;' "$ROOT/usr/share/applications/tintaro.desktop" ||
    fail "desktop Categories"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$ROOT/usr/share/applications/tintaro.desktop" || fail "invalid desktop entry"
fi

export HOME=$WORK/home
unset XDG_DATA_HOME
mkdir -p "$HOME"
COPY=$HOME/.local/share/tintaro
export TINTARO_INSTALL_ROOT=$OPT

launch() {
    (cd "$WORK" && exec "$ROOT/usr/bin/tintaro") >"$WORK/launcher.log" 2>&1 &
    LAUNCHED=$!
    PIDS+=("$LAUNCHED")
}
stop() { kill "$LAUNCHED"; wait "$LAUNCHED" 2>/dev/null || true; }

start_display 1024x768

# First start: the copy is made and the program runs from it.
launch
title=$(wait_for_window_of_width 517) || { cat "$WORK/launcher.log"; exit 1; }
[ "$(readlink "/proc/$LAUNCHED/exe")" = "$COPY/tintaro" ] ||
    fail "the program runs from $(readlink "/proc/$LAUNCHED/exe"), not from the user's copy"
diff -r "$OPT" "$COPY" -x .installed >/dev/null || fail "the copy differs from the installed folder"
[ -w "$COPY/Misdibujos" ] && [ -w "$COPY/dibujos/$(ls "$OPT/dibujos" | head -1)" ] ||
    fail "the copy is not writable"

# The main window opens on the default content of the copy.
read -r tx ty < <(window_origin "$title")
xdotool mousemove $((tx + 200)) $((ty + 600)) click 1
xdotool type --delay 20 "Ana"
xdotool mousemove $((tx + 410)) $((ty + 604)) click 1
wait_for_window_of_width 1024 >/dev/null || fail "no main window"
stop

# The child's work and the user's own setting; then a newer installation.
category=$(ls "$OPT/dibujos" | head -1)
echo work >"$COPY/Misdibujos/Ana_1.bmp"
echo colouring >"$COPY/dibujos/$category/1.bmp"
printf 'NO\r\n' >"$COPY/configuracion/guarda.txt"
printf 'si\r\n' >"$OPT/configuracion/guarda.txt"
printf 'NO\r\n' >"$OPT/configuracion/adaptar.txt"
echo "newer" >>"$OPT/README.txt"
printf 'newer' >>"$OPT/tintaro" # bytes past the end of an ELF file do not stop it running
echo "0.2 newer" >"$OPT/.release"

launch
wait_for_window_of_width 517 >/dev/null || { cat "$WORK/launcher.log"; exit 1; }
stop
cmp -s "$OPT/tintaro" "$COPY/tintaro" || fail "the executable was not refreshed"
cmp -s "$OPT/README.txt" "$COPY/README.txt" || fail "the content was not refreshed"
[ "$(cat "$COPY/Misdibujos/Ana_1.bmp")" = work ] || fail "saved work was lost"
[ "$(cat "$COPY/dibujos/$category/1.bmp")" = colouring ] || fail "a kept colouring was lost"
[ "$(cat "$COPY/configuracion/guarda.txt")" = $'NO\r' ] || fail "the user's setting was replaced"
cmp -s "$OPT/configuracion/adaptar.txt" "$COPY/configuracion/adaptar.txt" ||
    fail "a setting the user left alone did not follow the installation"

# XDG_DATA_HOME, when set, is where the copy goes.
export XDG_DATA_HOME=$WORK/data
launch
wait_for_window_of_width 517 >/dev/null || { cat "$WORK/launcher.log"; exit 1; }
[ "$(readlink "/proc/$LAUNCHED/exe")" = "$XDG_DATA_HOME/tintaro/tintaro" ] ||
    fail "XDG_DATA_HOME was not used"
stop
