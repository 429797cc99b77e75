#!/usr/bin/env bash
# Renders the hand-written SVG icons in resources/icons/src to the PNGs that are
# compiled into the program (32 px button icons) and installed into the hicolor
# theme (the application icon at each size). Needs rsvg-convert (librsvg2-bin).
# The PNGs are committed; run this again after changing an SVG.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
src="${here}/resources/icons/src"
out="${here}/resources/icons"

command -v rsvg-convert >/dev/null || { echo "render-icons: install librsvg2-bin" >&2; exit 1; }

for svg in "${src}"/*.svg; do
    name="$(basename "${svg}" .svg)"
    [ "${name}" = labelsetup ] && continue
    rsvg-convert -w 32 -h 32 -o "${out}/${name}.png" "${svg}"
done

mkdir -p "${out}/hicolor"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "${size}" -h "${size}" -o "${out}/hicolor/labelsetup-${size}.png" "${src}/labelsetup.svg"
done
echo "render-icons: $(ls "${out}"/*.png | wc -l) button icons, application icon at 8 sizes"

# The resource list compiled into the program.
{
    echo '<RCC>'
    echo '  <qresource prefix="/icons">'
    for f in "${out}"/*.png; do echo "    <file>$(basename "${f}")</file>"; done
    for f in "${out}"/hicolor/*.png; do echo "    <file alias=\"$(basename "${f}")\">hicolor/$(basename "${f}")</file>"; done
    echo '  </qresource>'
    echo '</RCC>'
} >"${out}/icons.qrc"
