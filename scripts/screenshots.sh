#!/usr/bin/env bash
# Regenerates the README screenshots of the real window under Xvfb, driven against
# the built-in simulated printer (loopback only):
#   scripts/screenshots.sh [outdir] [width]x[height] [language ...]
# Default: docs/screenshots, 1280x800, Simplified Chinese and English. A language is
# "zh_CN" or any argument the tool takes ("en", "de", ...). Needs xvfb (Xvfb) and a
# CJK font (fonts-wqy-microhei); scripts/install-deps.sh installs both.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
outdir="$(realpath -m "${1:-${root}/docs/screenshots}")"
size="${2:-1280x800}"
shift $(( $# > 2 ? 2 : $# )) || true
languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(zh_CN en)

command -v Xvfb >/dev/null || { echo "screenshots: install xvfb" >&2; exit 1; }
build="${root}/build"
[ -f "${build}/build.ninja" ] || cmake -S "${root}" -B "${build}" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "${build}" --target labelsetup-screenshots >/dev/null
mkdir -p "${outdir}"

# A private X server on a free display; it goes when the script ends.
displayfile="$(mktemp)"
Xvfb -displayfd 5 -screen 0 "${size}x24" -nolisten tcp 5>"${displayfile}" 2>/dev/null &
xvfb=$!
trap 'kill "${xvfb}" 2>/dev/null || true; rm -f "${displayfile}"' EXIT
for _ in $(seq 100); do [ -s "${displayfile}" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "${displayfile}")"
export QT_QPA_PLATFORM=xcb
export QT_LOGGING_RULES="default.debug=false"

for lang in "${languages[@]}"; do
    if [ "${lang}" = zh_CN ]; then
        LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8 timeout 300 \
            "${build}/bin/labelsetup-screenshots" "${outdir}" "${lang}" "${size}"
    else
        LC_ALL=C.UTF-8 LANG=C.UTF-8 timeout 300 \
            "${build}/bin/labelsetup-screenshots" "${outdir}" "${lang}" "${size}" "${lang}"
    fi
done
