#!/bin/sh
# Extracts the texts of the sources afresh and checks every translation file.
#   check.sh <lupdate> <tscheck> <workdir> <sources...> -- <ts files...>
set -eu
lupdate=$1; tscheck=$2; work=$3; shift 3
sources=""
while [ "$1" != "--" ]; do sources="$sources $1"; shift; done
shift
mkdir -p "$work"
rm -f "$work/extracted.ts"
# shellcheck disable=SC2086
"$lupdate" -silent -no-obsolete -locations none $sources -ts "$work/extracted.ts"
exec "$tscheck" "$work/extracted.ts" "$@"
