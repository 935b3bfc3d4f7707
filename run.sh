#!/usr/bin/env bash
# Builds Quintavo (release) and starts it.
set -euo pipefail
cd "$(dirname "$0")"

scripts/ensure-deps.sh

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target quintavo -j "$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No hay pantalla gráfica (DISPLAY vacío): inicie Quintavo con 'xvfb-run ./run.sh' o desde un escritorio." >&2
    exit 1
fi

exec build/release/src/app/quintavo "$@"
