#!/usr/bin/env bash
# Renders the program's icon (resources/icons/ondrel.svg) into the PNG sizes that desktops and
# software centres ask for (resources/icons/<size>/ondrel.png). Run it after changing the SVG;
# it needs rsvg-convert (Debian: librsvg2-bin, in scripts/deps.sh's icon list).
set -euo pipefail
cd "$(dirname "$0")/.."
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "resources/icons/$size"
    rsvg-convert -w "$size" -h "$size" -o "resources/icons/$size/ondrel.png" \
        resources/icons/ondrel.svg
done
