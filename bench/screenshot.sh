#!/usr/bin/env bash
# Takes docs/quintavo.png (the release build's main window with two filled-in
# projects), docs/diagram.png (a cash-flow diagram above its table),
# docs/long-names.png (a maximised project with 40-character names on a
# 1366 x 768 screen) and docs/flagged-cell.png (a figure typed with a decimal
# comma, tinted and explained), under a virtual X server. Needs xvfb and
# imagemagick.
# Usage: bench/screenshot.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-deps.sh xvfb xauth imagemagick

build=build/release
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j 2 --target bench_showcase bench_longnames bench_flaggedcell >/dev/null
mkdir -p docs

for shot in quintavo diagram; do
    xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
        QT_QPA_PLATFORM=xcb "$1" 30 "$3" &
        scene=$!
        sleep 4
        import -window root "$2"
        kill "$scene"
        wait "$scene" || true
    ' screenshot "$build/bench/bench_showcase" "docs/$shot.png" "$shot"
    echo "docs/$shot.png"
done

xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
    QT_QPA_PLATFORM=xcb "$1" 30 &
    scene=$!
    sleep 4
    import -window root "$2"
    kill "$scene"
    wait "$scene" || true
' screenshot "$build/bench/bench_longnames" docs/long-names.png
echo "docs/long-names.png"

xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    QT_QPA_PLATFORM=xcb "$1" 30 &
    scene=$!
    sleep 4
    import -window root "$2"
    kill "$scene"
    wait "$scene" || true
' screenshot "$build/bench/bench_flaggedcell" docs/flagged-cell.png
echo "docs/flagged-cell.png"
