#!/bin/sh
# Starts Tintaro for the user who runs it.
#
# The program reads and writes everything beside its executable (kept
# colourings, saved work), and the installed folder belongs to root. So each
# user gets a copy of the folder in their own data folder, made on the first
# start and started from there. When a newer package is installed, the copy
# takes the new executable and content without losing anything the child made:
# files are added and replaced, never deleted, and a setting the user changed
# is kept. Saved work goes where a parent looks for pictures (see
# link_saved_work).
#
# Installed as tintaro-import as well, it runs the import tool on that copy (see
# the end).
#
# The installed folder is opt/tintaro two levels above the folder this launcher
# is in (/usr/bin gives /opt/tintaro), so that a package unpacked elsewhere
# starts its own program.
set -eu

root=$(cd "$(dirname "$(readlink -f "$0")")/../../opt/tintaro" 2>/dev/null && pwd) || root=/opt/tintaro
data_home=${XDG_DATA_HOME:-}
case $data_home in
/*) ;;
*) data_home=${HOME:?HOME is not set}/.local/share ;; # a relative value is invalid
esac
copy=$data_home/tintaro

fail() {
    echo "tintaro: $*" >&2
    exit 1
}

[ -x "$root/tintaro" ] || fail "no program in $root"

first_copy() {
    mkdir -p "$data_home"
    tmp=$(mktemp -d "$data_home/.tintaro.XXXXXX")
    if cp -R "$root/." "$tmp/" && chmod -R u+w "$tmp" && mv -T "$tmp" "$copy" 2>/dev/null; then
        return 0
    fi
    rm -rf "$tmp"
    # Another start made the copy at the same moment: use theirs.
    [ -x "$copy/tintaro" ] || fail "cannot copy $root to $copy"
}

# The drawings and logos the installation gave the copy, one checksum line each
# (cksum, the path from the folder): a file of the copy not there as given is
# the user's own, imported into the copy.
given=$copy/.given
record_given() {
    if (cd "$root" && find dibujos logos -type f -exec cksum {} + 2>/dev/null) >"$given.new"; then
        mv -f "$given.new" "$given"
    else
        rm -f "$given.new"
    fi
}

# The first free drawing number of the category folder $1 in both the copy and
# the installation, so that the category's drawings stay numbered without a gap.
free_number() {
    n=1
    while [ -e "$copy/$1/$n.gif" ] || [ -e "$root/$1/$n.gif" ]; do n=$((n + 1)); done
    echo $n
}

# Gives the copy the installation's drawing or logo $1 (a path from the folder).
# The copy's own file of that name stays: a drawing moves to the category's
# first free number with its kept colouring; a logo keeps its place.
give() {
    mine=$copy/$1
    if [ -e "$mine" ] && ! cmp -s "$root/$1" "$mine" && [ -f "$given" ] &&
        ! grep -qxF "$(cd "$copy" && cksum "$1")" "$given"; then
        case $1 in
        dibujos/*/*.gif)
            folder=${1%/*}
            n=$(free_number "$folder")
            # Not moved: another start moved it already, and gives the shipped one.
            mv "$mine" "$copy/$folder/$n.gif" || return 0
            [ ! -e "${mine%.gif}.bmp" ] || mv "${mine%.gif}.bmp" "$copy/$folder/$n.bmp" || true
            ;;
        *) return 0 ;;
        esac
    fi
    mkdir -p "${mine%/*}"
    cp "$root/$1" "$mine"
}

# Replaces the shipped files of the copy; the child's files are not shipped,
# so they stay, and neither does a drawing the user imported into the copy go
# (see give). The executable is replaced by renaming, so a copy of the program
# that is still running keeps its own file.
refresh() {
    for entry in "$root"/*; do
        case ${entry##*/} in
        tintaro | configuracion | Misdibujos | dibujos | logos) ;;
        *) cp -R "$entry" "$copy/" ;;
        esac
    done
    (cd "$root" && find dibujos logos -type f 2>/dev/null) | while IFS= read -r file; do
        give "$file"
    done
    record_given
    cp "$root/tintaro" "$copy/.tintaro.new"
    mv -f "$copy/.tintaro.new" "$copy/tintaro"
    chmod -R u+w "$copy"
}

# A setting follows the installed one until the user changes it: the copy
# remembers which installed version it was last given (configuracion/.installed).
sync_settings() {
    mine=$copy/configuracion
    given=$mine/.installed
    mkdir -p "$given"
    for shipped in "$root"/configuracion/*; do
        [ -f "$shipped" ] || continue
        name=${shipped##*/}
        if [ ! -e "$mine/$name" ] ||
            { [ -e "$given/$name" ] && cmp -s "$mine/$name" "$given/$name"; }; then
            cp "$shipped" "$mine/$name"
        fi
        cp "$shipped" "$given/$name"
    done
}

# The Tintaro folder of the desktop's pictures folder (xdg-user-dir PICTURES,
# else ~/Pictures; xdg-user-dir answers the home folder itself when none is set).
pictures_folder() {
    dir=$(xdg-user-dir PICTURES 2>/dev/null) || dir=
    case $dir in
    /*) [ "${dir%/}" != "${HOME%/}" ] || dir=$HOME/Pictures ;;
    *) dir=$HOME/Pictures ;;
    esac
    echo "${dir%/}/Tintaro"
}

# Moves file $1 into folder $2. A different file of the same name there stays,
# and this one takes a numbered name ("Ana 5-3-2012--9-7-3 (2).bmp").
move_saved() {
    name=${1##*/}
    target=$2/$name
    if [ -e "$target" ] || [ -L "$target" ]; then
        if [ -f "$1" ] && cmp -s "$1" "$target"; then
            rm -f "$1"
            return
        fi
        stem=${name%.*}
        ext=${name#"$stem"}
        [ -n "$stem" ] || { stem=$name ext=; }
        n=2
        while [ -e "$2/$stem ($n)$ext" ] || [ -L "$2/$stem ($n)$ext" ]; do n=$((n + 1)); done
        target="$2/$stem ($n)$ext"
    fi
    mv "$1" "$target"
}

# The program saves into Misdibujos beside it; in the copy, Misdibujos is a link
# to the Tintaro folder of the user's pictures, so that saved work is where a
# parent finds it and the open button finds it there too. Work saved in the copy
# before is moved there first. Called where a failure does not stop the launcher
# (set -e is off inside), so every step is checked.
link_saved_work() {
    saved=$(pictures_folder)
    link=$copy/Misdibujos
    mkdir -p "$saved" || return 1
    if [ -L "$link" ]; then
        [ "$(readlink "$link")" != "$saved" ] || return 0
        # The pictures folder moved: what was saved before stays where it is.
        rm -f "$link" || return 1
    elif [ -d "$link" ]; then
        for file in "$link"/* "$link"/.[!.]* "$link"/..?*; do
            [ -e "$file" ] || [ -L "$file" ] || continue
            move_saved "$file" "$saved" || return 1
        done
        rmdir "$link" || return 1
    fi
    ln -s "$saved" "$link"
}

prepare_copy() {
    if [ ! -d "$copy" ]; then
        first_copy
        record_given
        mkdir -p "$copy/configuracion/.installed"
        cp "$root"/configuracion/* "$copy/configuracion/.installed/" 2>/dev/null || true
    elif [ ! -x "$copy/tintaro" ] || ! cmp -s "$root/.release" "$copy/.release"; then
        refresh
        cp "$root/.release" "$copy/.release" 2>/dev/null || true
    fi
    sync_settings
    link_saved_work || echo "tintaro: saved work stays in $copy/Misdibujos" >&2
}

# Installed as tintaro-import too: the teachers' import tool. Without
# --app-folder it imports into the copy this user colours from (made first if
# need be). With --app-folder it imports there; into the installed folder (as
# root, for every user of the machine) it also gives the installation a new
# release stamp, so that every user's copy takes the new drawings at its next start.
if [ "${0##*/}" = tintaro-import ]; then
    folder=
    take=
    for arg in "$@"; do
        case $take$arg in
        --help | -h) exec "$root/tintaro-import" --help ;;
        --app-folder) take=folder: ;;
        folder:*) folder=$arg take= ;;
        esac
    done
    if [ -z "$folder" ]; then
        prepare_copy
        exec "$root/tintaro-import" --app-folder "$copy" "$@"
    fi
    status=0
    "$root/tintaro-import" "$@" || status=$?
    if [ $status -eq 0 ] && [ "$(cd "$folder" 2>/dev/null && pwd -P)" = "$(cd "$root" && pwd -P)" ]; then
        read -r version _ <"$root/.release" || version=
        echo "$version $(date -u +%Y-%m-%dT%H:%M:%SZ) import" >"$root/.release" ||
            echo "tintaro-import: the users' copies take the new drawings at the next installation" >&2
    fi
    exit $status
fi

prepare_copy
cd "$copy"
exec ./tintaro "$@"
