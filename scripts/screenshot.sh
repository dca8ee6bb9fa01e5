#!/bin/sh
# Takes the README's picture of the main window on the demo data, so that it can be renewed: the
# program runs in a virtual screen of 1024x768 with the openbox window manager, fresh settings and
# the demo data file; its window is saved with its frame, in a small palette.
#
#   sh scripts/screenshot.sh [FILE]      (default: docs/jendela-utama.png)
set -eu
cd "$(dirname "$0")/.."
OUT="${1:-docs/jendela-utama.png}"

sh scripts/setup.sh
sh scripts/install-packages.sh openbox imagemagick x11-utils
if [ ! -f build/build.ninja ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build --target tirtamaya tirtamaya-data
sh scripts/build-demo-data.sh data

WORK="$(mktemp -d "${TMPDIR:-/tmp}/tirtamaya-gambar.XXXXXX")"
trap 'rm -rf "$WORK"' EXIT
trap 'exit 1' INT TERM
mkdir -p "$WORK/config" "$WORK/data" "$WORK/tmp" "$WORK/runtime" "$(dirname "$OUT")"
chmod 700 "$WORK/runtime"

# Inside the virtual screen: the window manager, the program, and the picture once its window is there.
# shellcheck disable=SC2016
xvfb-run -a -s "-screen 0 1024x768x24" env XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" \
    TMPDIR="$WORK/tmp" XDG_RUNTIME_DIR="$WORK/runtime" sh -c '
    openbox >/dev/null 2>&1 &
    build/src/app/tirtamaya --data "$(pwd)/data/Purnaka2000.dat" &
    program=$!
    for _ in $(seq 60); do
        window="$(xwininfo -root -tree | awk "/\"Tirtamaya [0-9]/ { print \$1; exit }")"
        [ -n "$window" ] && break
        sleep 0.5
    done
    [ -n "$window" ] || { echo "Jendela utama tidak muncul" >&2; kill $program; exit 1; }
    sleep 2 # the first chapter is painted and openbox has drawn the frame
    import -window "$window" -frame "$1"
    kill $program' sh "$WORK/jendela.png"
convert "$WORK/jendela.png" -strip -colors 128 "PNG8:$OUT"
echo "Gambar: $OUT ($(du -h "$OUT" | cut -f1))"
