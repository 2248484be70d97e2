#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR, as a package would, and checks
# what lands there: exactly the expected files, a bin/corvanta launcher that
# resolves into the bundle, a desktop entry with its Italian lines that
# desktop-file-validate accepts, metainfo that appstreamcli accepts together
# with the entry and the icon, and an application that, started through the
# launcher on a headless Weston, finds its Resources (its Italian window title
# comes from the translation there).
#
# Usage: run_install_test.sh <build dir> <Resources list>
#   the list names every file of the bundle's Resources, one a line, relative
#   to Resources (written by the build from the same lists it installs).
# Exit codes: 0 passed, 1 failed. A missing tool is a failure that names it.

set -u

build=${1:?usage: run_install_test.sh <build dir> <Resources list>}
resources_list=${2:?usage: run_install_test.sh <build dir> <Resources list>}
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
[ -s "$resources_list" ] || fail "no Resources list at $resources_list"
weston_begin

root="$work/root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; fail "cmake --install failed"; }

bundle=usr/lib/corvanta/Corvanta.app/Contents
{
    # The executable, its metadata, and the files the program asks for by
    # name: the two read-mes and the Italian translation.
    printf '%s\n' \
        usr/bin/corvanta \
        "$bundle/MacOS/corvanta" \
        "$bundle/Info.plist" \
        "$bundle/Resources/Corvanta Read Me!.rtf" \
        "$bundle/Resources/Corvanta Leggimi!.rtf" \
        "$bundle/Resources/translations/corvanta_it.qm" \
        usr/share/applications/corvanta.desktop \
        usr/share/icons/hicolor/256x256/apps/corvanta.png \
        usr/share/metainfo/org.corvanta.corvanta.metainfo.xml
    sed "s|^|$bundle/Resources/|" "$resources_list"
} | LC_ALL=C sort -u >"$work/expected"
(cd "$root" && find . -mindepth 1 ! -type d | sed 's|^\./||' | LC_ALL=C sort) >"$work/installed"
if ! diff -u "$work/expected" "$work/installed" >"$work/diff"; then
    cat "$work/diff" >&2
    fail "the installed files differ from the expected list (- expected, + installed)"
fi

# The launcher: a relative link (the tree works wherever a package puts it)
# that ends at the executable.
launcher="$root/usr/bin/corvanta"
[ -L "$launcher" ] || fail "usr/bin/corvanta is not a symbolic link"
case "$(readlink "$launcher")" in
    /*) fail "usr/bin/corvanta points at an absolute path: $(readlink "$launcher")" ;;
esac
resolved=$(readlink -f "$launcher")
[ "$resolved" = "$root/$bundle/MacOS/corvanta" ] ||
    fail "usr/bin/corvanta resolves to $resolved, not the bundle's executable"
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
