#!/bin/sh
# Builds Tirtamaya, its tests and its fuzz targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-san/ and runs the whole test suite there: any memory fault,
# leak or undefined behaviour stops the test that caused it and fails the run.
#
#   sh scripts/sanitize.sh                     build and run the tests
#   sh scripts/sanitize.sh --configure-only    only configure build-san/ (used by scripts/fuzz.sh)
#
# TIRTA_SANITIZE_BUILD_DIR names another build folder.
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${TIRTA_SANITIZE_BUILD_DIR:-build-san}"

sh scripts/setup.sh
sh scripts/install-packages.sh clang libclang-rt-14-dev
# -O1 with line tables: readable stacks, and a build much quicker than a fully optimised one.
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" -DTIRTA_BUILD_FUZZ=ON \
    -DTIRTA_BUILD_TESTS=ON -DTIRTA_BUILD_BENCH=OFF >/dev/null
[ "${1:-}" = "--configure-only" ] && exit 0

cmake --build "$BUILD_DIR"
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}halt_on_error=1:detect_leaks=1" \
UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
LSAN_OPTIONS="suppressions=$(pwd)/fuzz/lsan.supp:print_suppressions=0" \
QT_QPA_PLATFORM=offscreen ctest --test-dir "$BUILD_DIR" --output-on-failure -j2
