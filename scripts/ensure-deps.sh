#!/usr/bin/env bash
# Makes sure the Debian packages needed to build Quintavo are installed.
# Usage: scripts/ensure-deps.sh [extra-package ...]
# As root, missing packages are installed with apt-get; otherwise the exact
# install command is printed and the script fails.
set -euo pipefail

# poppler-utils (pdftotext) and unzip let the tests read exported PDF and ODT files;
# libqt6svg6 draws the application icon; qt6-translations-l10n has Qt's Spanish dialogs;
# dpkg-dev (dpkg-shlibdeps) lets `cpack -G DEB` find the package's dependencies;
# libxlsxwriter-dev writes the Excel workbooks.
packages=(cmake make g++ qt6-base-dev qt6-base-dev-tools libqt6svg6 libboost-dev
          poppler-utils unzip qt6-translations-l10n dpkg-dev libxlsxwriter-dev "$@")

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Faltan paquetes de Debian. Instálelos con:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi

echo "Instalando: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}"
