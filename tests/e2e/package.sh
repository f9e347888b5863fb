#!/usr/bin/env bash
# The .deb, unpacked into a temporary root, starts for an ordinary user through
# its launcher: the program folder is copied into the user's data folder, the
# child's work saved in the user's pictures folder, and a newer installation (or
# a teacher's import for everyone) refreshes the copy without losing the child's
# work or the user's own settings. Third argument: the build folder.
source "$(dirname "$0")/lib.sh"
need cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli man xdg-user-dir
BUILD=$3
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
DESKTOP=$ROOT/usr/share/applications/tintaro.desktop
METAINFO=$ROOT/usr/share/metainfo/io.github.tintaro.Tintaro.metainfo.xml
MAN=$ROOT/usr/share/man/man6/tintaro.6.gz
for f in usr/bin/tintaro usr/share/icons/hicolor/scalable/apps/tintaro.svg opt/tintaro/tintaro \
    opt/tintaro/configuracion/borra.txt opt/tintaro/paletas/paletagrande.bmp opt/tintaro/Misdibujos; do
    [ -e "$ROOT/$f" ] || fail "the package lacks /$f"
done
[ -z "$(find "$OPT/dibujos" -iname '*.bmp')" ] || fail "the package ships kept colourings"
[ "$(ls "$OPT/logos" | wc -l)" -gt 0 ] || fail "the package has no categories"
# The menu entry, in English and Spanish, and the software centre's entry are
# valid, the latter and the manual page of the package's version.
grep -qx 'Exec=tintaro' "$DESKTOP" && grep -q '^Comment\[es\]=' "$DESKTOP" || fail "desktop entry"
desktop-file-validate "$DESKTOP" || fail "invalid desktop entry"
appstreamcli validate --no-net "$METAINFO" || fail "invalid metainfo"
version=$(dpkg-deb -f "$DEB" Version)
grep -q "<release version=\"$version\"" "$METAINFO" || fail "the metainfo is not of version $version"
page=$(MANWIDTH=80 man --warnings -l "$MAN" 2>"$WORK/man.err") && [ ! -s "$WORK/man.err" ] &&
    grep -qF "Tintaro $version" <<<"$page" ||
    { cat "$WORK/man.err"; fail "the manual page does not render cleanly, of version $version"; }

# An ordinary user (made here when the test runs as root) with a fresh home
# folder, on a desktop in Spanish, whose pictures folder is therefore its own.
export HOME=$WORK/home
unset XDG_DATA_HOME
mkdir -p "$HOME/.config" "$WORK/bin"
COPY=$HOME/.local/share/tintaro
PICS=$HOME/Imágenes/Tintaro
echo 'XDG_PICTURES_DIR="$HOME/Imágenes"' >"$HOME/.config/user-dirs.dirs"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    need useradd setpriv
    user=tintaro-e2e
    id $user >/dev/null 2>&1 || useradd --no-create-home --home-dir /nonexistent $user || id $user
    as_user=(setpriv --reuid="$user" --regid="$user" --init-groups)
    chmod 755 "$WORK"
fi
give_home() { [ ${#as_user[@]} -eq 0 ] || chown -R "$user:" "$HOME"; }
give_home
# The desktop's opener notes what the open button asked for.
printf '#!/bin/sh\necho "$1" >"$HOME/opened"\n' >"$WORK/bin/xdg-open"
chmod 755 "$WORK/bin/xdg-open"

# Starts the installed launcher and waits for the title window.
launch() {
    (cd "$WORK" && PATH=$WORK/bin:$PATH exec "${as_user[@]}" "$ROOT/usr/bin/tintaro") >"$WORK/launcher.log" 2>&1 &
    LAUNCHED=$!
    PIDS+=("$LAUNCHED")
    wait_for_window_of_width 517 >/dev/null || { cat "$WORK/launcher.log"; exit 1; }
}
stop() { kill "$LAUNCHED"; wait "$LAUNCHED" 2>/dev/null || true; }

start_display 1024x768

# First start: the copy is made and the program runs from it; its Misdibujos is
# the Tintaro folder of the user's pictures, where the camera saves.
launch
[ "$(readlink "/proc/$LAUNCHED/exe")" = "$COPY/tintaro" ] ||
    fail "the program runs from $(readlink "/proc/$LAUNCHED/exe"), not from the user's copy"
diff -r "$OPT" "$COPY" -x .installed -x .given >/dev/null || fail "the copy differs from the installed folder"
[ "$(readlink "$COPY/Misdibujos")" = "$PICS" ] || fail "Misdibujos is not a link to $PICS"
[ -w "$COPY/dibujos/$(ls "$OPT/dibujos" | head -1)" ] || fail "the copy is not writable"
pass_title Ana || fail "no main window"
click 607 732 # the camera
wait_until 'compgen -G "$PICS/Ana *.bmp" >/dev/null' || fail "the camera saved nothing in $PICS"
saved=$(compgen -G "$PICS/Ana *.bmp")
cp "$saved" "$WORK/saved.bmp"
stop

# The child's work and the user's own setting; then a newer installation.
category=$(ls "$OPT/dibujos" | head -1)
echo work >"$COPY/Misdibujos/Ana_1.bmp"
echo colouring >"$COPY/dibujos/$category/1.bmp"
printf 'NO\r\n' >"$COPY/configuracion/impresora.txt"
printf 'si\r\n' >"$OPT/configuracion/impresora.txt"
printf 'NO\r\n' >"$OPT/configuracion/adaptar.txt"
echo "newer" >>"$OPT/README.txt"
printf 'newer' >>"$OPT/tintaro" # bytes past the end of an ELF file do not stop it running
# The user imports a drawing of their own, coloured; then a teacher imports into
# the installed folder, for everyone, under the same name: the installation gets
# a new stamp, so that every copy takes the new drawing at its next start.
"$CONVERT" -size 500x350 xc:white -fill none -stroke black -strokewidth 4 \
    -draw "circle 250,175 370,175" "$WORK/ring.png"
"$CONVERT" -size 500x350 xc:white -fill none -stroke black -strokewidth 4 \
    -draw "rectangle 100,80 400,270" "$WORK/box.png"
"${as_user[@]}" "$ROOT/usr/bin/tintaro-import" todos "$WORK/box.png" >"$WORK/import.log" 2>&1 &&
    [ -f "$COPY/logos/todos.gif" ] && cp "$COPY/dibujos/todos/1.gif" "$WORK/mine.gif" &&
    echo mine >"$COPY/dibujos/todos/1.bmp" ||
    fail "tintaro-import did not import into the user's copy: $(cat "$WORK/import.log")"
"$ROOT/usr/bin/tintaro-import" --app-folder "$OPT" todos "$WORK/ring.png" >"$WORK/import.log" 2>&1 &&
    ! cmp -s "$OPT/.release" "$COPY/.release" || fail "importing for everyone: $(cat "$WORK/import.log")"
give_home

# Second start: the copy is refreshed without losing anything, and the open
# button opens the last saved file by name, in the pictures folder.
launch
cmp -s "$OPT/tintaro" "$COPY/tintaro" || fail "the executable was not refreshed"
cmp -s "$OPT/dibujos/todos/1.gif" "$COPY/dibujos/todos/1.gif" ||
    fail "the drawing imported for everyone is not in the copy"
cmp -s "$WORK/mine.gif" "$COPY/dibujos/todos/2.gif" && [ "$(cat "$COPY/dibujos/todos/2.bmp")" = mine ] ||
    fail "the user's own drawing or its colouring was lost: $(ls "$COPY/dibujos/todos")"
cmp -s "$OPT/README.txt" "$COPY/README.txt" || fail "the content was not refreshed"
[ "$(readlink "$COPY/Misdibujos")" = "$PICS" ] && [ "$(cat "$PICS/Ana_1.bmp")" = work ] ||
    fail "saved work was lost"
[ "$(cat "$COPY/dibujos/$category/1.bmp")" = colouring ] || fail "a kept colouring was lost"
[ "$(cat "$COPY/configuracion/impresora.txt")" = $'NO\r' ] || fail "the user's setting was replaced"
cmp -s "$OPT/configuracion/adaptar.txt" "$COPY/configuracion/adaptar.txt" ||
    fail "a setting the user left alone did not follow the installation"
pass_title Ana || fail "no main window"
click 675 732 # the open button
wait_until '[ -s "$HOME/opened" ]' || fail "the open button opened nothing"
[ "$(cat "$HOME/opened")" = "file://$COPY/Misdibujos/Ana_1.bmp" ] || fail "opened $(cat "$HOME/opened")"
cmp -s "$WORK/saved.bmp" "$saved" || fail "the saved colouring did not survive a second start"
stop
