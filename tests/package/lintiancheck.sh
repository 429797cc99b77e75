#!/bin/sh
# Builds the Debian package from the build into a scratch folder, as ./package.sh does,
# and has lintian check it: no error and no warning. Exit 77 (skipped) without lintian.
#   lintiancheck.sh <build dir> <scratch dir>
set -eu
build=$1; out=$2
command -v lintian >/dev/null || { echo "skipped: lintian is not installed"; exit 77; }
command -v dpkg-shlibdeps >/dev/null || { echo "skipped: dpkg-shlibdeps (dpkg-dev) is not installed"; exit 77; }
rm -rf "$out"
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log"; exit 1; }
set -- "$out"/*.deb
[ -f "$1" ] || { echo "cpack made no .deb"; cat "$out/cpack.log"; exit 1; }
status=0
lintian --fail-on error,warning "$1" || status=1
rm -rf "$out"
exit $status
