#!/bin/sh
# Checks what a built tree ships: `cmake --install` into a scratch prefix,
# the manual page under groff's warnings, and the .deb and .tar.gz packages.
# Usage: scripts/check-install.sh BUILD_DIR
set -eu
build=$(cd "${1:?usage: scripts/check-install.sh BUILD_DIR}" && pwd)
top=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "check-install: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
[ -x "$scratch/prefix/bin/qorb" ] || fail "no bin/qorb after cmake --install"
[ -f "$scratch/prefix/share/man/man1/qorb.1" ] || fail "no share/man/man1/qorb.1"
"$scratch/prefix/bin/qorb" >/dev/null || fail "the installed qorb does not run"

warnings=$(groff -man -ww -z "$top/man/qorb.1" 2>&1)
[ -z "$warnings" ] || fail "groff warns about the manual page: $warnings"

(cd "$build" && cpack -G DEB >/dev/null && cpack -G TGZ >/dev/null)
deb=$(ls "$build"/qorb_*.deb)
tgz=$(ls "$build"/qorb-*.tar.gz)
dpkg-deb -c "$deb" >"$scratch/deb.txt"
grep -q ' \./usr/bin/qorb$' "$scratch/deb.txt" || fail "$deb lacks /usr/bin/qorb"
grep -q ' \./usr/share/man/man1/qorb\.1' "$scratch/deb.txt" || fail "$deb lacks the manual page"
dpkg-deb -f "$deb" Maintainer | grep -q '@example\.org' || fail "$deb has no maintainer address"
tar tzf "$tgz" >"$scratch/tgz.txt"
grep -q '/bin/qorb$' "$scratch/tgz.txt" || fail "$tgz lacks bin/qorb"
grep -q '/share/man/man1/qorb\.1$' "$scratch/tgz.txt" || fail "$tgz lacks the manual page"
echo "check-install: $(basename "$deb") $(wc -c <"$deb") bytes," \
    "$(basename "$tgz") $(wc -c <"$tgz") bytes, manual page clean"
