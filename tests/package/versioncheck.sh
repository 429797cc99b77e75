#!/bin/sh
# Each program answers --version with its name and the version the build was given.
#   versioncheck.sh <version> <program>...
set -u
version=$1; shift
status=0
for program in "$@"; do
    name=$(basename "$program")
    got=$("$program" --version 2>&1) || { echo "$name --version failed: $got"; status=1; continue; }
    [ "$got" = "$name $version" ] || { echo "$name --version says \"$got\", not \"$name $version\""; status=1; }
done
exit $status
