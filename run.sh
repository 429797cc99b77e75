#!/usr/bin/env bash
# Installs what is needed, builds, and starts the setup tool with the built-in
# simulated printer on 127.0.0.1. Pass --real to start it for a real printer.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target labelsetup labelprinter-sim -j"$(nproc)"

if [ "${1:-}" = "--real" ]; then
    shift
    exec ./build/bin/labelsetup "$@"
fi
exec ./build/bin/labelsetup --demo "$@"
