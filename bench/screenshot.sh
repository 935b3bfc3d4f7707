#!/usr/bin/env bash
# Takes docs/quintavo.png (the release build's main window with two filled-in
# projects), docs/diagram.png (a cash-flow diagram above its table),
# docs/decide.png ("Comparar" with TIRM, PR, PRD and the incremental analysis),
# docs/detail.png ("Detallar" on the same project), docs/project-menu.png
# (the menu "Proyecto" open) and docs/guide.png (the guide beside a project),
# docs/long-names.png (a maximised project with 40-character names on a
# 1366 x 768 screen), docs/flagged-cell.png (a figure typed with a decimal
# comma, tinted and explained), docs/rate-converter.png (the "Convertir
# tasa" dialog before a capitalized-cost project) and docs/sensitivity-*.png
# ("Sensibilidad" scrolled to its tornado, spider plot and histogram),
# docs/after-tax.png ("Visualizar" scrolled to the statement after taxes),
# docs/replacement.png (a replacement analysis in "Comparar"), under
# a virtual X server. Needs xvfb and
# imagemagick; docs/workbook.png, the example workbook opened in LibreOffice.
# Usage: bench/screenshot.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-deps.sh xvfb xauth imagemagick

build=build/release
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j 2 --target bench_showcase bench_longnames bench_flaggedcell \
    bench_rateconverter bench_sensitivityscene bench_aftertax >/dev/null
    bench_rateconverter bench_sensitivityscene bench_replacementscene >/dev/null
mkdir -p docs

# shoot SCREEN SCENE PICTURE [SCENE-ARGUMENT]: runs the scene on a virtual
# screen of that size and takes the whole screen once it has settled.
shoot() {
    xvfb-run -a -s "-screen 0 $1x24" bash -c '
        QT_QPA_PLATFORM=xcb "$1" 30 ${3:+"$3"} &
        scene=$!
        sleep 4
        import -window root "$2"
        kill "$scene"
        wait "$scene" || true
    ' screenshot "$build/bench/$2" "docs/$3" "${4:-}"
    echo "docs/$3"
}

shoot 1280x800 bench_showcase quintavo.png quintavo
shoot 1280x800 bench_showcase diagram.png diagram
shoot 1280x800 bench_showcase decide.png decide
shoot 1280x800 bench_showcase detail.png detail
shoot 1280x800 bench_showcase project-menu.png menu
shoot 1280x800 bench_showcase guide.png guide
shoot 1366x768 bench_longnames long-names.png
shoot 1280x800 bench_flaggedcell flagged-cell.png
shoot 1024x640 bench_rateconverter rate-converter.png
shoot 1280x800 bench_aftertax after-tax.png
shoot 1280x1000 bench_replacementscene replacement.png
for picture in tornado spider histogram; do
    shoot 1280x800 bench_sensitivityscene "sensitivity-$picture.png" "$picture"
done

# docs/workbook.png: the example workbook of bench_workbook as LibreOffice
# prints it, the sheet "Comparar" above the first alternative's.
cmake --build "$build" -j 2 --target bench_workbook >/dev/null
scripts/ensure-deps.sh libreoffice-calc-nogui poppler-utils
book=$(mktemp -d)
"$build/bench/bench_workbook" "$book/ejemplo.xlsx"
soffice -env:UserInstallation="file://$book/profile" --headless --convert-to pdf --outdir "$book" \
    "$book/ejemplo.xlsx" >/dev/null 2>&1
# "Comparar" is shrunk to the page's width: drawn finer to show at the same size.
pdftoppm -png -r 150 -f 1 -l 1 "$book/ejemplo.pdf" "$book/page"
pdftoppm -png -r 100 -f 2 -l 2 "$book/ejemplo.pdf" "$book/page"
convert "$book"/page-1.png -trim +repage -bordercolor white -border 12 "$book/comparar.png"
convert "$book"/page-2.png -trim +repage -bordercolor white -border 12 "$book/planta.png"
convert "$book/comparar.png" "$book/planta.png" -append docs/workbook.png
rm -rf "$book"
echo docs/workbook.png
