#!/bin/sh
# Renders the application icon dist/icons/tirtamaya.svg into the PNG sizes the desktop's icon
# theme uses (dist/icons/tirtamaya-SIZE.png). The PNGs are kept in the repository, so building
# needs no renderer; run this again after changing the drawing.
#
#   sh scripts/render-icons.sh
set -eu
cd "$(dirname "$0")/.."

sh scripts/install-packages.sh librsvg2-bin
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" dist/icons/tirtamaya.svg -o "dist/icons/tirtamaya-$size.png"
done
echo "Ikon digambar: dist/icons/tirtamaya-{16,24,32,48,64,128,256}.png"
