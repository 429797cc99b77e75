#!/bin/sh
# The AppStream description passes appstreamcli (no network), launches the menu entry
# that is installed, and its newest release, like the changelog's, is the version the
# build gives the programs. Exit 77 (skipped) without appstreamcli.
#   metainfocheck.sh <version> <metainfo.xml> <desktop file> <changelog>
set -u
version=$1; metainfo=$2; desktop=$3; changelog=$4
command -v appstreamcli >/dev/null || { echo "skipped: appstreamcli is not installed"; exit 77; }
status=0
appstreamcli validate --no-net "$metainfo" || status=1
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[ "$launchable" = "$(basename "$desktop")" ] ||
    { echo "launchable \"$launchable\" is not the menu entry $(basename "$desktop")"; status=1; }
release=$(sed -n 's:.*<release version="\([^"]*\)".*:\1:p' "$metainfo" | head -n 1)
[ "$release" = "$version" ] ||
    { echo "newest AppStream release is \"$release\", not the build's version $version"; status=1; }
entry=$(sed -n '1s/^labelsetup (\([^)]*\)).*/\1/p' "$changelog")
[ "$entry" = "$version" ] ||
    { echo "newest changelog entry is \"$entry\", not the build's version $version"; status=1; }
exit $status
