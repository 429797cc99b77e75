#!/usr/bin/env bash
# Static analysis gate: runs clang-tidy with the checks in .clang-tidy over every
# C++ source of the project (product code, simulator, tests, benchmarks) and exits
# non-zero on any finding. Uses the normal build's compilation database.
set -euo pipefail
cd "$(dirname "$0")"

if ! command -v run-clang-tidy >/dev/null 2>&1; then
    ./scripts/install-deps.sh
fi
# Layer order first: it needs no build.
echo "== layers"
python3 scripts/check-layers.py
echo "== waits on the window's thread"
python3 scripts/check-gui-waits.py

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# The generated form and moc headers must exist before the sources can be parsed.
cmake --build build -j"$(nproc)"

mapfile -t files < <(git ls-files '*.cpp' | grep -v -E '^(build|build-[^/]*)/')
echo "== clang-tidy on ${#files[@]} files"
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
status=0
run-clang-tidy -quiet -p build -j "$(nproc)" "${files[@]/#/$PWD/}" >"$log" 2>&1 || status=$?
# clang-tidy colours its output even into a file.
sed -i 's/\x1b\[[0-9;]*m//g' "$log"
grep -E '(warning|error): ' "$log" | sort -u || true
if [ "$status" -ne 0 ] || grep -q -E '(warning|error): ' "$log"; then
    echo "lint: findings above"
    exit 1
fi
echo "lint: clean"
