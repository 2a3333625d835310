#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzzers with clang and runs each for a bounded time on a copy of
# its seed corpus. Any crash or failed check makes the run fail; the input
# that caused it is left in the build folder for a regression test.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-30}"
build="${BUILD:-build}-fuzz"
cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)"
passed=0
for corpus in fuzz/corpus/*/; do
    name=$(basename "$corpus")
    work="$build/corpus-$name"
    mkdir -p "$work"
    echo "fuzz_$name: ${seconds}s"
    (cd "$build" && ./"fuzz_$name" -max_total_time="$seconds" -print_final_stats=0 \
        "corpus-$name" "../$corpus" 2>"fuzz_$name.log") || {
        tail -40 "$build/fuzz_$name.log"
        echo "fuzz: $passed passed, 1 failed"
        exit 1
    }
    passed=$((passed + 1))
done
echo "fuzz: $passed passed, 0 failed"
