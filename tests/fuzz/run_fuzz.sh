#!/usr/bin/env bash
# Builds one fuzzer with clang's libFuzzer (plus address and undefined-behaviour sanitizers) and
# runs it for a bounded time over its seed corpus.
#   run_fuzz.sh <target> <work dir> [seconds]
# Targets: patch (patch scripts), ini (the .ini store), store (the per-user store's key paths
# and its save beside another program), import (files imported as chords, knob presets,
# snapshots and keyboard settings), chord (chord text), snapshot (snapshot values text), midi (an
# input's bytes through the joiner, thru and queue), filelist (file lists dropped or pasted from
# other programs), midifile (MIDI files read for a replay). Inputs run up to 1 MiB unless a
# target says less, so that faults that come with size (time, memory) can be found. Exits 77
# (skipped) when clang++ or QtCore's pkg-config file is missing. A crash
# leaves its input in <work dir>/<target>/artifacts; keep it as a regression test (see below).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
src=$(cd "$here/../.." && pwd)
target=${1:?usage: run_fuzz.sh <target> <work dir> [seconds]}
work=${2:?usage: run_fuzz.sh <target> <work dir> [seconds]}/$target
seconds=${3:-25}

core=$src/src/core
# The settings store and what it needs; the chord and knob lists read and write through it.
store=("$core"/atomicfile.cpp "$core"/custominifile.cpp "$core"/general.cpp
    "$core"/inidocument.cpp "$core"/inifile.cpp "$core"/registryinifile.cpp
    "$core"/regularfile.cpp)
corpora=("$here/corpus/$target")
max_len=1048576
case $target in
patch)
    sources=("$core"/patch*.cpp "$core"/regularfile.cpp)
    corpora=("$src/tests/data/patches/corpus" "$src/resources/patches")
    keep="copy it to tests/data/patches/regressions/ so tst_patches keeps it"
    ;;
ini)
    sources=("${store[@]}")
    keep="add it as a row of TestStore::fuzzedIniText_data in tests/tst_store.cpp"
    ;;
store)
    sources=("${store[@]}")
    corpora=("$here/corpus/ini")
    keep="add it as a row of TestStore::fuzzedStoreAndImport_data in tests/tst_store.cpp"
    ;;
import)
    sources=("$core"/chordlist.cpp "$core"/knoblist.cpp "$core"/keyboardmodel.cpp
        "$core"/keyboardtypes.cpp "$core"/midivocabulary.cpp "$core"/scancodemap.cpp
        "$core"/virtualkeys.cpp "$core"/velocitycurve.cpp "$core"/musicscale.cpp
        "$core"/thrumapping.cpp "${store[@]}")
    corpora=("$here/corpus/ini")
    keep="add it as a row of TestStore::fuzzedStoreAndImport_data in tests/tst_store.cpp"
    ;;
chord)
    sources=("$core"/chordlist.cpp "${store[@]}")
    keep="add it as a row of TestChordList::fromText_data in tests/tst_chordlist.cpp"
    ;;
snapshot)
    sources=("$core"/knoblist.cpp "$core"/midivocabulary.cpp "${store[@]}")
    keep="add it as a row of TestKnobList::snapshotDecoding_data in tests/tst_knoblist.cpp"
    ;;
midi)
    midi=$src/src/midi
    sources=("$midi"/midiinqueue.cpp "$midi"/circbuffer.cpp "$midi"/midiinhdr.cpp
        "$midi"/midierror.cpp "$src"/src/router/thruengine.cpp "$core"/thrumapping.cpp
        "$core"/midivocabulary.cpp)
    max_len=2048
    keep="add the byte sequence as a row of TestEngine or TestRouter"
    ;;
midifile)
    # MIDI files as File > Play MIDI File reads them; "huge" files are refused by their size
    # before any reading, so inputs of a few hundred KB cover the reader.
    sources=("$src"/src/takes/midifile.cpp "$src"/src/takes/take.cpp)
    max_len=262144
    keep="add it as a row of TestTakes::damagedFilesAreRefusedWhole_data (or filesOfOtherWritersRead_data) in tests/tst_takes.cpp"
    ;;
filelist)
    sources=("$src"/src/shellview/systemviewsshared.cpp)
    max_len=2048
    keep="add it as a row of TestShellView::clipboardFormats_data in tests/tst_shellview.cpp"
    ;;
*)
    echo "unknown fuzz target: $target" >&2
    exit 2
    ;;
esac

if ! command -v clang++ >/dev/null 2>&1; then
    echo "clang++ not found: fuzzing skipped"
    exit 77
fi
if ! qt_cflags=$(pkg-config --cflags Qt6Core 2>/dev/null) || ! qt_libs=$(pkg-config --libs Qt6Core); then
    echo "pkg-config cannot find Qt6Core: fuzzing skipped"
    exit 77
fi
si_cflags=$(pkg-config --cflags simpleini 2>/dev/null || true)

mkdir -p "$work/corpus" "$work/artifacts"
bin="$work/${target}_fuzz"
sources=("$here/${target}_fuzz.cpp" "${sources[@]}")
if [ ! -x "$bin" ] ||
    [ -n "$(find "$here" "$src/src" -maxdepth 2 \( -name '*.h' -o -name '*.cpp' \) -newer "$bin")" ]; then
    echo "building $bin"
    # shellcheck disable=SC2086 # the pkg-config flags are lists
    clang++ -std=c++20 -g -O1 -fPIC -fno-omit-frame-pointer \
        -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
        -DONDREL_VERSION='"0.0.0"' -I"$core/.." -I"$here" $qt_cflags $si_cflags \
        "${sources[@]}" $qt_libs -o "$bin.new"
    mv "$bin.new" "$bin"
fi

# A fault found before (by a first try of this test, which CTest may retry) fails again until it
# is fixed.
shopt -s nullglob
found=("$work"/artifacts/{crash,leak,timeout,oom}-*)
if [ "${#found[@]}" -gt 0 ] && ! "$bin" -timeout=10 -rss_limit_mb=2048 "${found[@]}"; then
    echo "${target}_fuzz still fails on an input in $work/artifacts/." >&2
    echo "Keep it as a regression test: $keep." >&2
    exit 1
fi

# New inputs go to the first folder; the seeds are only read.
if ! "$bin" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$work/artifacts/" -print_final_stats=1 \
    "$work/corpus" "${corpora[@]}"; then
    echo "${target}_fuzz found a fault; the input is in $work/artifacts/." >&2
    echo "Keep it as a regression test: $keep." >&2
    exit 1
fi
