#!/usr/bin/env bash
# Builds and runs the benchmark programs; each figure is printed as
# "BENCH <name> <value> <unit>".
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
for bench in build/bin/bench_*; do
    [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    QT_QPA_PLATFORM=offscreen "$bench"
done
