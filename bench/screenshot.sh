#!/usr/bin/env bash
# Takes docs/quintavo.png (the release build's main window with two filled-in
# projects) and docs/diagram.png (a cash-flow diagram above its table), under
# a virtual X server. Needs xvfb and imagemagick.
# Usage: bench/screenshot.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-deps.sh xvfb xauth imagemagick

build=build/release
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j 2 --target bench_showcase >/dev/null
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
