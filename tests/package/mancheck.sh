#!/bin/sh
# Renders each manual page as man(1) does and fails on any warning from groff or man.
#   mancheck.sh <page.1>...
set -u
command -v groff >/dev/null || { echo "skipped: groff is not installed"; exit 77; }
status=0
for page in "$@"; do
    warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1)
    [ -z "$warnings" ] || { echo "$page: groff: $warnings"; status=1; }
    if command -v man >/dev/null; then
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
        [ -z "$warnings" ] || { echo "$page: man: $warnings"; status=1; }
    fi
    # Every page has the sections a reader looks for first.
    for section in NAME SYNOPSIS DESCRIPTION "SEE ALSO"; do
        grep -q "^\.SH \"*$section\"*\$" "$page" || { echo "$page: no $section section"; status=1; }
    done
done
exit $status
