#!/usr/bin/env bash
# Builds the release configuration and runs the benchmarks on Qt's offscreen
# platform: start-up against a bare Qt program, also opening projects of 10,
# 100 and 500 alternatives of 20 flows from the command line, the two report
# buttons on large projects, peak memory of a 1,000-flow project, the two
# parts of a recovery copy (GUI thread, worker thread), "Sensibilidad"
# against "Comparar" and its simulation on every core, and the export of
# 100 alternatives to an Excel workbook, and "Comparar" on 20 replacement
# analyses of 50-year lists.
# Usage: bench/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-deps.sh

build=build/release
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j 2 --target bench_startup bench_reports bench_memory bench_makeproject bench_recovery \
    bench_sensitivity bench_workbook bench_replacement \
    >/dev/null
projects="$build/bench/projects"
mkdir -p "$projects"
for alternatives in 10 100 500; do
    "$build/bench/bench_makeproject" "$alternatives" 20 30 "$projects/p${alternatives}x20.quintavo"
done

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

echo "Quintavo benchmarks, $(nproc) cores, Qt $(qmake6 -query QT_VERSION 2>/dev/null || echo 6)"
echo
"$build/bench/bench_startup" 15 "$projects/p10x20.quintavo" "$projects/p100x20.quintavo" \
    "open:$projects/p500x20.quintavo"
echo
"$build/bench/bench_reports"
echo
"$build/bench/bench_memory"
echo
"$build/bench/bench_recovery"
echo
"$build/bench/bench_sensitivity"
echo
"$build/bench/bench_workbook"
echo
"$build/bench/bench_replacement"
