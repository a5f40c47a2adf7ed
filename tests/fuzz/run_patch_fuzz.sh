#!/usr/bin/env bash
# Builds the patch script fuzzer with clang's libFuzzer (plus address and undefined-behaviour
# sanitizers) and runs it for a bounded time over the seed corpus.
#   run_patch_fuzz.sh <work dir> [seconds]
# Exits 77 (skipped) when clang++ or QtCore's pkg-config file is missing. A crash leaves its input
# in <work dir>/artifacts; copy it to tests/data/patches/regressions/ so tst_patches keeps it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
src=$(cd "$here/../.." && pwd)
work=${1:?usage: run_patch_fuzz.sh <work dir> [seconds]}
seconds=${2:-30}

if ! command -v clang++ >/dev/null 2>&1; then
    echo "clang++ not found: fuzzing skipped"
    exit 77
fi
if ! qt_cflags=$(pkg-config --cflags Qt6Core 2>/dev/null) || ! qt_libs=$(pkg-config --libs Qt6Core); then
    echo "pkg-config cannot find Qt6Core: fuzzing skipped"
    exit 77
fi

mkdir -p "$work/corpus" "$work/artifacts"
bin="$work/patch_fuzz"
sources=("$here/patch_fuzz.cpp" "$src"/src/core/patch*.cpp)
if [ ! -x "$bin" ] || [ -n "$(find "${sources[@]}" "$src"/src/core/patch*.h -newer "$bin")" ]; then
    echo "building $bin"
    # shellcheck disable=SC2086 # the pkg-config flags are lists
    clang++ -std=c++20 -g -O1 -fPIC -fno-omit-frame-pointer \
        -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
        -I"$src/src/core" $qt_cflags "${sources[@]}" $qt_libs -o "$bin.new"
    mv "$bin.new" "$bin"
fi

# New inputs go to the first folder; the seeds and shipped scripts are only read.
if ! "$bin" -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$work/artifacts/" -print_final_stats=1 \
    "$work/corpus" "$src/tests/data/patches/corpus" "$src/resources/patches"; then
    echo "patch_fuzz found a fault; the input is in $work/artifacts/." >&2
    echo "Keep it as a regression test: copy it to tests/data/patches/regressions/." >&2
    exit 1
fi
