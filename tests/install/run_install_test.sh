#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR, as a package would, and checks
# what lands there: exactly the expected files, each listed in the install
# manifest, a corvanta launcher in the bin folder that resolves into the
# bundle, a desktop entry with its Italian lines that desktop-file-validate
# accepts and whose Exec starts that launcher, metainfo that appstreamcli
# accepts together with the entry and the icon and that launches the
# installed entry, and an application that, started through the launcher on
# a headless Weston, finds its Resources (its Italian window title comes from
# the translation there).
#
# Usage: run_install_test.sh <build dir> <source dir>
#   the bundle's Resources are expected to hold every file of the source
#   tree's bundle/ folder (the translations compiled): read from there, not
#   from the lists the build installs from, so that a file those lists lose
#   is missed here.
# Exit codes: 0 passed, 1 failed. A missing tool is a failure that names it.

set -u

build=${1:?usage: run_install_test.sh <build dir> <source dir>}
source_dir=${2:?usage: run_install_test.sh <build dir> <source dir>}
work=

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

. "$(dirname "$0")/../lib/headless_weston.sh"

# desktop-file-validate (desktop-file-utils), appstreamcli (appstream);
# scripts/test installs them and weston.
for tool in cmake desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null 2>&1 || fail "$tool is not installed; the install test needs it"
done
[ -d "$source_dir/bundle/images" ] || fail "no bundle/images folder in $source_dir"
bindir=$(sed -n 's/^CMAKE_INSTALL_BINDIR:[A-Z]*=//p' "$build/CMakeCache.txt")
[ -n "$bindir" ] || fail "$build/CMakeCache.txt names no CMAKE_INSTALL_BINDIR"
weston_begin

root="$work/root"
manifest="$build/install_manifest.txt"
rm -f "$manifest"
DESTDIR="$root" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; fail "cmake --install failed"; }

bundle=usr/lib/corvanta/Corvanta.app/Contents
case "$bindir" in
    /*) launcher_path=${bindir#/}/corvanta ;;
    *) launcher_path=usr/$bindir/corvanta ;;
esac
{
    # The launcher, the executable, its metadata, the desktop files.
    printf '%s\n' \
        "$launcher_path" \
        "$bundle/MacOS/corvanta" \
        "$bundle/Info.plist" \
        usr/share/applications/corvanta.desktop \
        usr/share/icons/hicolor/256x256/apps/corvanta.png \
        usr/share/metainfo/org.corvanta.corvanta.metainfo.xml
    # The files the program asks for by name, whatever else bundle/ holds.
    printf '%s\n' \
        "$bundle/Resources/Corvanta Read Me!.rtf" \
        "$bundle/Resources/Corvanta Leggimi!.rtf" \
        "$bundle/Resources/translations/corvanta_it.qm"
    # Every picture, read-me and icon of bundle/ by its own name, and each
    # translation source as the table compiled from it: on purpose not the
    # build's own list of pictures, which this would only repeat.
    for file in "$source_dir"/bundle/images/* "$source_dir"/bundle/readme/* "$source_dir"/bundle/icons/*; do
        printf '%s\n' "$bundle/Resources/${file##*/}"
    done
    for file in "$source_dir"/bundle/translations/*.ts; do
        name=${file##*/}
        printf '%s\n' "$bundle/Resources/translations/${name%.ts}.qm"
    done
} | LC_ALL=C sort -u >"$work/expected"
(cd "$root" && find . -mindepth 1 ! -type d | sed 's|^\./||' | LC_ALL=C sort) >"$work/installed"
if ! diff -u "$work/expected" "$work/installed" >"$work/diff"; then
    cat "$work/diff" >&2
    fail "the installed files differ from the expected list (- expected, + installed)"
fi

# The manifest, from which an uninstall removes the tree: every installed
# file and nothing else, by its path without the DESTDIR.
[ -s "$manifest" ] || fail "cmake --install wrote no $manifest"
sed 's|^/||' "$manifest" | LC_ALL=C sort -u >"$work/manifest"
if ! diff -u "$work/installed" "$work/manifest" >"$work/diff"; then
    cat "$work/diff" >&2
    fail "install_manifest.txt differs from the installed files (- installed, + listed)"
fi

# The launcher: a relative link (the tree works wherever a package puts it)
# that ends at the executable.
launcher="$root/$launcher_path"
[ -L "$launcher" ] || fail "$launcher_path is not a symbolic link"
case "$(readlink "$launcher")" in
    /*) fail "$launcher_path points at an absolute path: $(readlink "$launcher")" ;;
esac
resolved=$(readlink -f "$launcher")
[ "$resolved" = "$root/$bundle/MacOS/corvanta" ] ||
    fail "$launcher_path resolves to $resolved, not the bundle's executable"
[ -x "$resolved" ] || fail "the bundle's executable is not executable"

entry="$root/usr/share/applications/corvanta.desktop"
desktop-file-validate "$entry" >"$work/validate" 2>&1 ||
    { cat "$work/validate" >&2; fail "desktop-file-validate rejects the installed desktop entry"; }
if [ -s "$work/validate" ]; then
    cat "$work/validate" >&2
    fail "desktop-file-validate has remarks on the installed desktop entry"
fi
for key in 'Name\[it\]' 'GenericName\[it\]' 'Comment\[it\]'; do
    grep -q "^$key=." "$entry" || fail "the installed desktop entry has no ${key//\\/} line"
done

# What the entry starts (desktop-file-validate does not look): its Exec
# program, a bare name found in the bin folder or an absolute path, is the
# installed launcher.
exec_line=$(sed -n 's/^Exec=//p' "$entry")
[ "$(printf '%s\n' "$exec_line" | grep -c .)" -eq 1 ] || fail "the desktop entry has not exactly one Exec line"
program=${exec_line%% *}
case "$program" in
    /*) started=${program#/} ;;
    */*) fail "the desktop entry's Exec names a relative path: $program" ;;
    *) started=${launcher_path%/*}/$program ;;
esac
[ "$started" = "$launcher_path" ] ||
    fail "the desktop entry's Exec starts $program, not the installed launcher $launcher_path"

# The metainfo launches the desktop entry the install put there.
metainfo="$root/usr/share/metainfo/org.corvanta.corvanta.metainfo.xml"
launchable=$(sed -n 's|.*<launchable type="desktop-id">\([^<]*\)</launchable>.*|\1|p' "$metainfo")
[ "$(printf '%s\n' "$launchable" | grep -c .)" -eq 1 ] || fail "the metainfo has not exactly one desktop-id launchable"
[ -f "$root/usr/share/applications/$launchable" ] ||
    fail "the metainfo launches $launchable, which the install did not put in usr/share/applications"

# The metainfo with the entry it launches and the icon, as a software centre
# reads the installed tree.
appstreamcli validate-tree --no-net "$root/usr" >"$work/appstream" 2>&1 ||
    { cat "$work/appstream" >&2; fail "appstreamcli validate-tree rejects the installed tree"; }

# A real start through the launcher, in Italian: the first window's title is
# translated only when the translation in Resources was found.
weston_start
weston_launch "$launcher" LANG=it_IT.UTF-8
title='Corvanta (Prima serie)'
if [ -z "$(weston_toplevel "$title" "$app_pid")" ]; then
    cat "$work/app.err" >&2
    fail "no window titled \"$title\" within 30 s of starting usr/bin/corvanta"
fi
kill -0 "$app_pid" 2>/dev/null || fail "the application ended on its own"

echo "PASS"
exit 0
