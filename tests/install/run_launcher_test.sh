#!/usr/bin/env bash
# Configures a tree of its own with CMAKE_INSTALL_BINDIR=<bin folder>, installs
# only the launcher into a temporary DESTDIR under the prefix /usr, and checks
# that it lands in that folder as a relative link that ends at the bundle's
# executable, and that the install manifest lists it.
#
# Usage: run_launcher_test.sh <source dir> <bin folder>
# Exit codes: 0 passed, 1 failed. A missing tool is a failure that names it.

set -u

source_dir=${1:?usage: run_launcher_test.sh <source dir> <bin folder>}
bindir=${2:?usage: run_launcher_test.sh <source dir> <bin folder>}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in cmake ninja; do
    command -v "$tool" >/dev/null 2>&1 || fail "$tool is not installed; the launcher test needs it"
done

work=$(mktemp -d "${TMPDIR:-/tmp}/corvanta-launcher.XXXXXX")
trap 'rm -rf "$work"' EXIT

tree="$work/tree" root="$work/root"
cmake -S "$source_dir" -B "$tree" -G Ninja -DCORVANTA_BUILD_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr "-DCMAKE_INSTALL_BINDIR=$bindir" >"$work/configure.log" 2>&1 ||
    { cat "$work/configure.log" >&2; fail "the tree does not configure"; }
DESTDIR="$root" cmake --install "$tree" --component launcher >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; fail "cmake --install --component launcher failed"; }

case "$bindir" in
    /*) launcher="$root$bindir/corvanta" ;;
    *) launcher="$root/usr/$bindir/corvanta" ;;
esac
executable="$root/usr/lib/corvanta/Corvanta.app/Contents/MacOS/corvanta"

[ -L "$launcher" ] || fail "no link ${launcher#"$root"}; installed: $(cd "$root" && find . ! -type d)"
case "$(readlink "$launcher")" in
    /*) fail "${launcher#"$root"} points at an absolute path: $(readlink "$launcher")" ;;
esac
# The bundle is not installed here: follow the link without needing it.
resolved=$(readlink -m "$launcher")
[ "$resolved" = "$executable" ] ||
    fail "${launcher#"$root"} resolves to ${resolved#"$root"}, not the bundle's executable"

# The manifest names it without the DESTDIR, as an uninstall removes it.
manifest="$tree/install_manifest_launcher.txt"
[ "$(cat "$manifest" 2>/dev/null)" = "${launcher#"$root"}" ] ||
    fail "the manifest lists \"$(cat "$manifest" 2>/dev/null)\", not ${launcher#"$root"}"

echo "PASS"
