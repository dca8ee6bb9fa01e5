#!/bin/sh
# Sets everything up, builds Tirtamaya and its demo data file, and starts the program.
#
#   sh scripts/run.sh [program arguments]
#
# Without a display (no DISPLAY or WAYLAND_DISPLAY) the program cannot open its window; set
# TIRTA_XVFB=1 to run it inside a virtual display instead (for checks without a screen).
set -eu
cd "$(dirname "$0")/.."

sh scripts/setup.sh
if [ ! -f build/build.ninja ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build --target tirtamaya tirtamaya-data
sh scripts/build-demo-data.sh data

# The program looks for its data file in its own folder first, for its tips beside itself and
# for pictures in "peta" beside itself when the data folder has none.
ln -sf "$(pwd)/data/Purnaka2000.dat" build/src/app/Purnaka2000.dat
ln -sf "$(pwd)/data/TY_tips.dat" build/src/app/TY_tips.dat
ln -sfn "$(pwd)/data/Peta" build/src/app/peta

if [ "${TIRTA_XVFB:-0}" = "1" ]; then
    exec xvfb-run -a build/src/app/tirtamaya "$@"
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Tirtamaya memerlukan layar grafis (DISPLAY belum diatur). Jalankan dari desktop, atau dengan TIRTA_XVFB=1." >&2
    exit 1
fi
exec build/src/app/tirtamaya "$@"
