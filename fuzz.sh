#!/usr/bin/env bash
# Builds the fuzz targets (tests/fuzz) with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer and runs them one after another, each for the given
# seconds (default 60), starting from its stored corpus in tests/fuzz/corpus/<target>.
# New inputs go to build-fuzz/corpus/<target>, failing inputs to
# build-fuzz/findings/<target>/: copy a failing input into the stored corpus once it
# is fixed. Exits non-zero when any target failed.
set -euo pipefail
cd "$(dirname "$0")"
seconds="${1:-60}"

./scripts/install-deps.sh
probe='extern "C" int LLVMFuzzerTestOneInput(const unsigned char *, unsigned long) { return 0; }'
if ! echo "$probe" | clang++ -fsanitize=fuzzer,address,undefined -x c++ - -o /dev/null 2>/dev/null; then
    echo "Installing clang and its fuzzer runtime"
    SUDO=$([ "$(id -u)" -eq 0 ] || echo sudo)
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq clang libclang-rt-14-dev >/dev/null
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLABELSETUP_FUZZ=ON >/dev/null
cmake --build build-fuzz --target fuzz_targets -j"$(nproc)"

export LSAN_OPTIONS="suppressions=$PWD/tests/lsan-qt-offscreen.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
failed=()
summary=()
for dir in tests/fuzz/corpus/*/; do
    target="$(basename "$dir")"
    mkdir -p "build-fuzz/corpus/$target" "build-fuzz/findings/$target"
    log="build-fuzz/findings/$target.log"
    # Qt 5.15's JSON parser leaks on objects with duplicate keys; telling that leak
    # apart needs stack frames Qt is built without, so the JSON target skips leaks.
    leaks=1
    [ "$target" != simconfig ] || leaks=0
    echo "== fuzz_$target for ${seconds} s"
    if ASAN_OPTIONS="detect_leaks=$leaks${ASAN_OPTIONS:+:$ASAN_OPTIONS}" \
        build-fuzz/bin/"fuzz_$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -detect_leaks="$leaks" \
        -artifact_prefix="build-fuzz/findings/$target/" \
        "build-fuzz/corpus/$target" "$dir" >"$log" 2>&1; then
        result=clean
    else
        result="FAILED (see $log)"
        failed+=("$target")
    fi
    execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
    cov="$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1)"
    summary+=("$(printf '%-14s execs %-10s %-22s %s' "$target" "${execs:-?}" "${cov:-?}" "$result")")
    echo "${summary[-1]}"
done

echo "== Summary"
printf '%s\n' "${summary[@]}"
[ ${#failed[@]} -eq 0 ]
