#!/bin/sh
# Builds the demo data file data/Purnaka2000.dat from the public-domain texts that Debian
# packages as SWORD modules: World English Bible (with its deuterocanonical books and glossary),
# King James Version, Reina-Valera 1909, Matthew Henry's Concise Commentary, the Scofield
# Reference Notes and Nave's Topical Bible; draws the maps with GMT into data/Peta. Installs what
# is missing, dumps each module with mod2imp and hands the dumps to tirtamaya-data with
# tools/data/katalog.txt. Does nothing when the data file is newer than everything it is made from.
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
# module name, dump name (also the name of its .conf), module folder under /usr/share/sword/modules
MODULES="engWEB2015eb:engWEB2015eb:texts/ztext/engWEB2015eb
engKJV2006eb:engKJV2006eb:texts/ztext/engKJV2006eb
spaRV1909eb:spaRV1909eb:texts/ztext/spaRV1909eb
MHCC:mhcc:comments/zcom/mhcc
Scofield:scofield:comments/zcom/scofield
Nave:nave:lexdict/zld/nave"
PACKAGES="libsword-utils sword-text-web sword-text-kjv sword-text-sparv sword-comm-mhcc sword-comm-scofield
sword-dict-naves gmt gmt-gshhg-high ghostscript"
SWORD_DIR="/usr/share/sword"

# shellcheck disable=SC2086
sh scripts/install-packages.sh $PACKAGES

# The builder itself is one of the inputs: a newer builder may write a different file.
if [ ! -f "$BUILD_DIR/build.ninja" ] && [ ! -f "$BUILD_DIR/Makefile" ]; then
    cmake -S . -B "$BUILD_DIR" -G Ninja >/dev/null
fi
cmake --build "$BUILD_DIR" --target tirtamaya-data >/dev/null

inputs="$TOOL tools/data scripts/draw-maps.sh"
for m in $MODULES; do
    rest="${m#*:}"
    inputs="$inputs $SWORD_DIR/mods.d/${rest%%:*}.conf $SWORD_DIR/modules/${m##*:}"
done
if [ -f "$OUT" ] && [ -f "$OUT_DIR/TY_tips.dat" ] && [ -d "$OUT_DIR/Peta" ]; then
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
mkdir -p "$OUT_DIR"

# The maps take a few seconds; they are drawn while the modules are dumped.
sh scripts/draw-maps.sh "$OUT_DIR" &
maps=$!

# MHCC's .conf names the driver zCom4, but its files are zCom: mod2imp would read garbage. The
# module is copied into a private SWORD folder with the right driver; /usr/share stays untouched.
PRIVATE="$TEXTS/sword"
mkdir -p "$PRIVATE/mods.d" "$PRIVATE/modules/comments/zcom"
cp -r "$SWORD_DIR/modules/comments/zcom/mhcc" "$PRIVATE/modules/comments/zcom/"
sed 's/^ModDrv=zCom4$/ModDrv=zCom/' "$SWORD_DIR/mods.d/mhcc.conf" >"$PRIVATE/mods.d/mhcc.conf"

for m in $MODULES; do
    module="${m%%:*}"
    rest="${m#*:}"
    dump="$TEXTS/${rest%%:*}.imp"
    if [ "$module" = "MHCC" ]; then
        SWORD_PATH="$PRIVATE" mod2imp "$module" >"$dump"
    else
        mod2imp "$module" >"$dump"
    fi
    if ! grep -q '^\$\$\$' "$dump"; then
        echo "mod2imp tidak menghasilkan teks untuk modul $module" >&2
        exit 1
    fi
done
if ! wait "$maps"; then
    echo "Peta tidak dapat digambar (gmt)" >&2
    exit 1
fi
"$TOOL" --teks "$TEXTS" "$CATALOGUE" "$OUT"
echo "Selesai dalam $(($(date +%s) - start)) detik (mod2imp, gmt dan tirtamaya-data)."
