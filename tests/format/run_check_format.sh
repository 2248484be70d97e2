#!/usr/bin/env bash
# Runs a copy of scripts/check-format in a folder of its own, laid out as
# <kind> says, and passes when it exits with <code>; what it printed is shown
# for the test to match.
#
# Usage: run_check_format.sh <source root> <kind> <code>
#   plain       a folder that is no git checkout, holding a formatted C++ file
#   no_cpp      a git checkout that tracks no C++ file
#   formatted   a git checkout that tracks one formatted C++ file
# Exit codes: 0 passed, 1 failed. A missing tool is a failure that names it.

set -u

source_root=${1:?usage: run_check_format.sh <source root> <kind> <code>}
kind=${2:?usage: run_check_format.sh <source root> <kind> <code>}
code=${3:?usage: run_check_format.sh <source root> <kind> <code>}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The script installs its formatter when it is missing; a test must not.
for tool in git clang-format-14; do
    command -v "$tool" >/dev/null 2>&1 || fail "$tool is not installed; the check-format test needs it"
done

work=$(mktemp -d "${TMPDIR:-/tmp}/corvanta-format.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/scripts"
cp "$source_root/scripts/check-format" "$work/scripts/"
cp "$source_root/.clang-format" "$work/"
printf 'int main() { return 0; }\n' >"$work/main.cpp"
printf 'notes\n' >"$work/notes.txt"

in_git() { git -C "$work" -c user.name=test -c user.email=test@localhost "$@" >/dev/null; }
case "$kind" in
    plain) ;;
    no_cpp) in_git init -q && in_git add notes.txt && in_git commit -q -m notes ;;
    formatted) in_git init -q && in_git add main.cpp notes.txt && in_git commit -q -m files ;;
    *) fail "unknown kind $kind" ;;
esac

# Outside a checkout git must not find the one this test runs in.
GIT_CEILING_DIRECTORIES=$(dirname "$work") "$work/scripts/check-format" 2>&1
status=$?
echo "check-format exited with $status"
[ "$status" -eq "$code" ] || fail "check-format exited with $status, not $code"
echo "PASS"
