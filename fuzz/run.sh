#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time. Fails on a crash, leak or hang.
# usage: fuzz/run.sh [build dir] [seconds]
set -euo pipefail
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
BUILD="${1:-$HERE/../build-fuzz}"
SECONDS_PER_TARGET="${2:-60}"

cmake -S "$HERE" -B "$BUILD" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j "$(nproc)"

# Seeds: valid frames and the edge cases the link has to survive.
CORPUS="$BUILD/corpus"
mkdir -p "$CORPUS"
"$BUILD/framingSeedCorpus" "$CORPUS"

ARTIFACTS="$BUILD/artifacts"
mkdir -p "$ARTIFACTS"
echo "== fuzzing framingFuzzer for ${SECONDS_PER_TARGET} s"
status=0
"$BUILD/framingFuzzer" "$CORPUS" -max_total_time="$SECONDS_PER_TARGET" -max_len=65536 -timeout=10 \
    -rss_limit_mb=2048 -detect_leaks=1 -print_final_stats=1 -artifact_prefix="$ARTIFACTS/" \
    >"$BUILD/framingFuzzer.log" 2>&1 || status=$?
tail -n 6 "$BUILD/framingFuzzer.log"
if [ "$status" -ne 0 ]; then
    tail -n 60 "$BUILD/framingFuzzer.log" >&2
    echo "framingFuzzer failed (exit $status); inputs in $ARTIFACTS" >&2
    exit "$status"
fi
