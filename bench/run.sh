#!/usr/bin/env bash
# Builds the release configuration and runs the benchmarks on Qt's offscreen
# platform: start-up against a bare Qt program, the two report buttons on
# large projects, and peak memory of a 1,000-flow project.
# Usage: bench/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-deps.sh

build=build/release
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j 2 --target bench_startup bench_reports bench_memory >/dev/null

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

echo "Quintavo benchmarks, $(nproc) cores, Qt $(qmake6 -query QT_VERSION 2>/dev/null || echo 6)"
echo
"$build/bench/bench_startup"
echo
"$build/bench/bench_reports"
echo
"$build/bench/bench_memory"
