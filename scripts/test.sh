#!/bin/sh
# Sets everything up, builds Tirtamaya with its tests and runs the whole test suite headless.
set -eu
cd "$(dirname "$0")/.."

sh scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTIRTA_BUILD_TESTS=ON >/dev/null
cmake --build build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
sh scripts/check-install.sh build
