#!/bin/sh
# Installs the build into a scratch prefix and checks that every file lands in its
# standard place, and that the menu entry is valid and names the tool in every language.
# The manual pages, completion and AppStream file have their own checks (tests/package).
#   installcheck.sh <build dir> <scratch dir>
set -eu
build=$1; prefix=$2/usr
rm -rf "$2"
cmake --install "$build" --prefix "$prefix" >/dev/null
status=0
for f in bin/labelsetup bin/labelsetup-cli bin/labelprinter-sim share/applications/labelsetup.desktop \
         share/icons/hicolor/scalable/apps/labelsetup.svg lib/udev/rules.d/60-labelsetup-printers.rules \
         share/doc/labelsetup/LICENSE share/doc/labelsetup/copyright share/doc/labelsetup/changelog.gz \
         share/man/man1/labelsetup.1.gz share/man/man1/labelsetup-cli.1.gz \
         share/man/man1/labelprinter-sim.1.gz share/metainfo/org.labelsetup.labelsetup.metainfo.xml \
         share/bash-completion/completions/labelsetup-cli share/zsh/vendor-completions/_labelsetup-cli \
         share/bash-completion/completions/labelprinter-sim; do
    [ -f "$prefix/$f" ] || { echo "missing: $f"; status=1; }
done
for size in 16 22 24 32 48 64 128 256; do
    f="$prefix/share/icons/hicolor/${size}x${size}/apps/labelsetup.png"
    [ -f "$f" ] || { echo "missing: $f"; status=1; continue; }
    # The PNG header holds the width at bytes 16-19.
    w=$(od -An -tu1 -j18 -N2 "$f" | awk '{print $1 * 256 + $2}')
    [ "$w" = "$size" ] || { echo "$f is $w px wide"; status=1; }
done
desktop="$prefix/share/applications/labelsetup.desktop"
for key in Name GenericName; do
    for lang in zh_CN en de fr nl pt_BR zh_TW; do
        grep -q "^$key\[$lang\]=." "$desktop" || { echo "no $key[$lang]"; status=1; }
    done
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || status=1
fi
rm -rf "$2"
exit $status
