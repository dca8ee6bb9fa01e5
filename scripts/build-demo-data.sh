#!/bin/sh
# Builds the demo data file data/Purnaka2000.dat from the public-domain Bibles that Debian
# packages as SWORD modules: World English Bible (with its deuterocanonical books), King James
# Version and Reina-Valera 1909. Installs the modules and mod2imp when they are missing, dumps
# each module with mod2imp and hands the dumps to tirtamaya-data with tools/data/katalog.txt.
# Does nothing when the data file is newer than everything it is made from.
#
#   sh scripts/build-demo-data.sh [FOLDER]     (default folder: data/ in the repository)
#
# TIRTA_BUILD_DIR names the build folder that holds tools/tirtamaya-data (default: build).
set -eu
cd "$(dirname "$0")/.."

OUT_DIR="${1:-data}"
OUT="$OUT_DIR/Purnaka2000.dat"
BUILD_DIR="${TIRTA_BUILD_DIR:-build}"
TOOL="$BUILD_DIR/tools/tirtamaya-data"
CATALOGUE="tools/data/katalog.txt"
MODULES="engWEB2015eb engKJV2006eb spaRV1909eb"
PACKAGES="libsword-utils sword-text-web sword-text-kjv sword-text-sparv"
SWORD_DIR="/usr/share/sword"

sh scripts/install-packages.sh $PACKAGES

# The builder itself is one of the inputs: a newer builder may write a different file.
if [ ! -f "$BUILD_DIR/build.ninja" ] && [ ! -f "$BUILD_DIR/Makefile" ]; then
    cmake -S . -B "$BUILD_DIR" -G Ninja >/dev/null
fi
cmake --build "$BUILD_DIR" --target tirtamaya-data >/dev/null

inputs="$TOOL tools/data"
for m in $MODULES; do
    inputs="$inputs $SWORD_DIR/mods.d/$m.conf $SWORD_DIR/modules/texts/ztext/$m"
done
if [ -f "$OUT" ]; then
    # shellcheck disable=SC2086
    newer="$(find $inputs -newer "$OUT" -print 2>/dev/null | head -n 1)"
    if [ -z "$newer" ]; then
        echo "Data demo sudah mutakhir: $OUT"
        exit 0
    fi
fi

TEXTS="$(mktemp -d "${TMPDIR:-/tmp}/tirtamaya-teks.XXXXXX")"
trap 'rm -rf "$TEXTS"' EXIT
trap 'exit 1' INT TERM
start="$(date +%s)"
for m in $MODULES; do
    mod2imp "$m" >"$TEXTS/$m.imp"
    if ! grep -q '^\$\$\$' "$TEXTS/$m.imp"; then
        echo "mod2imp tidak menghasilkan teks untuk modul $m" >&2
        exit 1
    fi
done
mkdir -p "$OUT_DIR"
"$TOOL" --teks "$TEXTS" "$CATALOGUE" "$OUT"
echo "Selesai dalam $(($(date +%s) - start)) detik (mod2imp dan tirtamaya-data)."
