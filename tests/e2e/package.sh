#!/usr/bin/env bash
# The .deb installs a program that starts for an ordinary user: built from the
# build tree, unpacked into a temporary root, started through its launcher with
# a fresh home folder. The launcher copies the program folder into the user's
# data folder, starts it from there, and on a newer installation refreshes the
# copy without losing the child's work or the user's own settings.
# Argument: the build folder (holds CPackConfig.cmake).
source "$(dirname "$0")/lib.sh"
need cpack dpkg-deb dpkg-shlibdeps
fail() { echo "$*"; cat "$WORK/launcher.log" 2>/dev/null; exit 1; }

cpack -G DEB --config "$1/CPackConfig.cmake" -B "$WORK/pkg" >"$WORK/cpack.log" 2>&1 || fail "cpack failed: $(cat "$WORK/cpack.log")"
DEB=$(ls "$WORK"/pkg/tintaro_*.deb)
depends=$(dpkg-deb -f "$DEB" Depends) # the system's Qt runtime
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6multimedia6 libqt6svg6 qt6-image-formats-plugins; do
    grep -Eq "(^|, )$p(,| |$)" <<<"$depends" || fail "Depends lacks $p: $depends"
done

ROOT=$WORK/root
dpkg -x "$DEB" "$ROOT"
OPT=$ROOT/opt/tintaro
DESKTOP=$ROOT/usr/share/applications/tintaro.desktop
for f in usr/bin/tintaro usr/share/icons/hicolor/scalable/apps/tintaro.svg opt/tintaro/tintaro \
    opt/tintaro/configuracion/borra.txt opt/tintaro/paletas/paletagrande.bmp opt/tintaro/Misdibujos; do
    [ -e "$ROOT/$f" ] || fail "the package lacks /$f"
done
[ -z "$(find "$OPT/dibujos" -iname '*.bmp')" ] || fail "the package ships kept colourings"
[ -n "$(ls "$OPT/logos")" ] || fail "the package has no categories"
grep -qx 'Exec=tintaro' "$DESKTOP" && grep -qx 'Categories=Education;Graphics;KidsGame;' "$DESKTOP" || fail "desktop entry"
! command -v desktop-file-validate >/dev/null || desktop-file-validate "$DESKTOP" || fail "invalid desktop entry"

export HOME=$WORK/home TINTARO_INSTALL_ROOT=$OPT
unset XDG_DATA_HOME
mkdir -p "$HOME"
COPY=$HOME/.local/share/tintaro
launch() {
    (cd "$WORK" && exec "$ROOT/usr/bin/tintaro") >"$WORK/launcher.log" 2>&1 &
    LAUNCHED=$!
    PIDS+=("$LAUNCHED")
    wait_for_window_of_width 517 >/dev/null || fail "no title window"
}
stop() { kill "$LAUNCHED"; wait "$LAUNCHED" 2>/dev/null || true; }
start_display 1024x768

# First start: the copy is made, writable, and the program runs from it and opens its main window.
launch
[ "$(readlink "/proc/$LAUNCHED/exe")" = "$COPY/tintaro" ] || fail "the program runs from $(readlink "/proc/$LAUNCHED/exe")"
diff -r "$OPT" "$COPY" -x .installed >/dev/null || fail "the copy differs from the installed folder"
category=$(ls "$OPT/dibujos" | head -1)
[ -w "$COPY/Misdibujos" ] && [ -w "$COPY/dibujos/$category" ] || fail "the copy is not writable"
pass_title Ana || fail "no main window"
stop

# The child's work and the user's own setting; then a newer installation.
echo work >"$COPY/Misdibujos/Ana_1.bmp"
echo colouring >"$COPY/dibujos/$category/1.bmp"
printf 'NO\r\n' >"$COPY/configuracion/guarda.txt"
printf 'si\r\n' >"$OPT/configuracion/guarda.txt"
printf 'NO\r\n' >"$OPT/configuracion/adaptar.txt"
echo "newer" >>"$OPT/README.txt"
printf 'newer' >>"$OPT/tintaro" # bytes past the end of an ELF file do not stop it running
echo "0.2 newer" >"$OPT/.release"
launch
stop
cmp -s "$OPT/tintaro" "$COPY/tintaro" || fail "the executable was not refreshed"
cmp -s "$OPT/README.txt" "$COPY/README.txt" || fail "the content was not refreshed"
[ "$(cat "$COPY/Misdibujos/Ana_1.bmp")" = work ] || fail "saved work was lost"
[ "$(cat "$COPY/dibujos/$category/1.bmp")" = colouring ] || fail "a kept colouring was lost"
[ "$(cat "$COPY/configuracion/guarda.txt")" = $'NO\r' ] || fail "the user's setting was replaced"
cmp -s "$OPT/configuracion/adaptar.txt" "$COPY/configuracion/adaptar.txt" || fail "a setting the user left alone did not follow"

# XDG_DATA_HOME, when set, is where the copy goes.
export XDG_DATA_HOME=$WORK/data
launch
[ "$(readlink "/proc/$LAUNCHED/exe")" = "$XDG_DATA_HOME/tintaro/tintaro" ] || fail "XDG_DATA_HOME was not used"
stop
