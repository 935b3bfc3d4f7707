#!/usr/bin/env bash
# Builds Quintavo with warnings as errors and AddressSanitizer,
# UndefinedBehaviorSanitizer and LeakSanitizer, then runs the whole test
# suite on Qt's offscreen platform. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"

# The package test validates the menu entry and the AppStream metainfo; the
# workbook test recalculates the exported workbooks with LibreOffice.
scripts/ensure-deps.sh desktop-file-utils appstream libreoffice-calc-nogui

build=build/sanitize
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DQUINTAVO_SANITIZE=ON -DQUINTAVO_WERROR=ON >/dev/null
cmake --build "$build" -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:fast_unwind_on_malloc=0:malloc_context_size=8"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
