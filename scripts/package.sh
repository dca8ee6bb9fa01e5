#!/bin/sh
# Builds the Debian package of Tirtamaya with its demo data: tirtamaya_VERSION_ARCH.deb in the
# repository folder, ready for `sudo apt-get install ./tirtamaya_*.deb`. Installs what building
# needs, builds the program in build-package/ (without tests) and the demo data file in
# data/ (scripts/build-demo-data.sh: SWORD modules and GMT, a few minutes the first time).
#
#   sh scripts/package.sh
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=build-package

sh scripts/setup.sh
# dpkg-shlibdeps and file work out the package's dependencies from the programs.
sh scripts/install-packages.sh dpkg-dev file
# Optimised with debugging information, as Debian builds; CPack strips the programs it packs.
launcher=""
if command -v ccache >/dev/null; then
    launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
fi
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTIRTA_BUILD_TESTS=OFF -DTIRTA_BUILD_BENCH=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr $launcher >/dev/null
cmake --build "$BUILD_DIR"
TIRTA_BUILD_DIR="$BUILD_DIR" sh scripts/build-demo-data.sh data

rm -f "$BUILD_DIR"/tirtamaya_*.deb
(cd "$BUILD_DIR" && cpack -G DEB >cpack.log 2>&1) || {
    cat "$BUILD_DIR/cpack.log" >&2
    exit 1
}
rm -f tirtamaya_*.deb
cp "$BUILD_DIR"/tirtamaya_*.deb .
for deb in tirtamaya_*.deb; do
    echo "Paket: $deb ($(du -h "$deb" | cut -f1))"
    dpkg-deb -f "$deb" Depends
done
