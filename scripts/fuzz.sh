#!/bin/sh
# Builds the fuzz targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer) and runs them:
#
#   sh scripts/fuzz.sh                  every target, 60 seconds each
#   sh scripts/fuzz.sh dialect 600      one target for ten minutes
#   sh scripts/fuzz.sh all 30           what CI runs
#
# A run first replays the target's regression inputs (fuzz/regressions/<target>/), then fuzzes
# from its seed corpus (fuzz/corpus/<target>/) for the given time. New inputs go to
# <build>/fuzz-corpus/<target>/, never into the repository; a crash is saved in <build>/fuzz-crashes/
# and ends the script with an error. TIRTA_FUZZ_JOBS targets run at once (default 2).
set -eu
cd "$(dirname "$0")/.."

TARGET="${1:-all}"
SECONDS_EACH="${2:-60}"
BUILD_DIR="${TIRTA_SANITIZE_BUILD_DIR:-build-san}"
JOBS="${TIRTA_FUZZ_JOBS:-2}"

targets="$(sed -n 's/^tirta_fuzz_target(\([a-z0-9_]*\) .*/\1/p' fuzz/CMakeLists.txt)"
if [ "$TARGET" != "all" ]; then
    echo "$targets" | grep -qx "$TARGET" || { echo "Target tidak dikenal: $TARGET (ada: $(echo $targets))" >&2; exit 2; }
    targets="$TARGET"
fi

run_one() {
    t="$1"
    program="$BUILD_DIR/fuzz/fuzz_$t"
    log="$BUILD_DIR/fuzz-crashes/$t.log"
    # Each reproducer of an old fault alone, so that a slow one counts as a hang.
    if [ -d "fuzz/regressions/$t" ]; then
        for input in "fuzz/regressions/$t"/*; do
            [ -f "$input" ] || continue
            if ! "$program" -timeout=10 -rss_limit_mb=2048 "$input" >"$log" 2>&1; then
                echo "GAGAL $t: masukan regresi $input" >&2
                tail -n 40 "$log" >&2
                return 1
            fi
        done
    fi
    mkdir -p "$BUILD_DIR/fuzz-corpus/$t"
    if ! "$program" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -print_final_stats=1 -artifact_prefix="$BUILD_DIR/fuzz-crashes/$t-" \
        "$BUILD_DIR/fuzz-corpus/$t" "fuzz/corpus/$t" >"$log" 2>&1; then
        echo "GAGAL $t: lihat $log" >&2
        tail -n 40 "$log" >&2
        return 1
    fi
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
    echo "fuzz_$t: ${runs:-?} masukan, tidak ada kesalahan"
}

# One target of a run that was already built (the script calls itself once per target).
if [ "${TIRTA_FUZZ_ONE:-}" = "1" ]; then
    run_one "$TARGET"
    exit $?
fi

sh scripts/sanitize.sh --configure-only
# shellcheck disable=SC2046
cmake --build "$BUILD_DIR" --target $(for t in $targets; do printf 'fuzz_%s ' "$t"; done)
mkdir -p "$BUILD_DIR/fuzz-crashes"
# shellcheck disable=SC2086
printf '%s\n' $targets | xargs -P "$JOBS" -I{} env TIRTA_FUZZ_ONE=1 sh "$0" {} "$SECONDS_EACH"
