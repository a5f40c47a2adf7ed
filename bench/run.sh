#!/usr/bin/env bash
# Builds the program and the benchmarks in Release (build/bench) and prints the table of
# figures. Each benchmark and the end-to-end probe start their own JACK server (dummy driver,
# 128 frames at 48 kHz) and, for the program, their own Xvfb.
#
#   bench/run.sh                  everything, scripted play of 60 s for the memory figure
#   bench/run.sh --long           the memory figure after 10 minutes of scripted play
#   bench/run.sh --only e2e       only the end-to-end figures (or: app midi keyboard patch store
#                                 synth takes)
#   bench/run.sh --realtime       the end-to-end probe (and the program, JACK and Xvfb it starts)
#                                 at round-robin priority 1 (root): on a machine shared with
#                                 builds, as if the desktop gave them the CPU at once
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
build="$root/build/bench"
play=60
only=""
prio=()
while [ $# -gt 0 ]; do
    case "$1" in
    --long) play=600 ;;
    --play-seconds) play="$2"; shift ;;
    --only) only="$2"; shift ;;
    --realtime) prio=(chrt --rr 1) ;;
    *) echo "usage: $0 [--long] [--play-seconds S] [--realtime] [--only e2e|app|midi|keyboard|patch|store|synth|takes]" >&2; exit 2 ;;
    esac
    shift
done

# shellcheck source=../scripts/deps.sh
. "$root/scripts/deps.sh"
ondrel_install_packages "${ONDREL_BUILD_PACKAGES[@]}" "${ONDREL_TEST_PACKAGES[@]}" \
    "${ONDREL_BENCH_PACKAGES[@]}"

cmake -S "$root" -B "$build" $(ondrel_generator) -DCMAKE_BUILD_TYPE=Release \
    -DONDREL_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target ondrel ondrel_probe ondrel_qt_floor app_bench \
    midi_bench callback_bench arp_bench keyboard_bench patch_bench store_bench synth_bench takes_bench >/dev/null

want() { [ -z "$only" ] || [ "$only" = "$1" ]; }

echo "# Ondrel benchmarks, $(date -u '+%Y-%m-%d %H:%M UTC')"
echo
[ ${#prio[@]} -eq 0 ] || echo "End-to-end figures at round-robin priority 1 (--realtime)."
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), load average at start $(cut -d' ' -f1-3 /proc/loadavg)"
echo
echo "| figure | value | target |"
echo "|---|---|---|"

# Google Benchmark's JSON as rows of the table.
# A benchmark that fails says so in the table (its error output kept under build/bench) and the
# others still run.
gbench() {
    local exe="$1" json rc=0
    shift
    json="$("$build/bench/$exe" --benchmark_format=json "$@" 2>"$build/$exe.err")" || rc=$?
    if [ "$rc" -eq 0 ] && printf '%s' "$json" | python3 "$here/gbench_table.py"; then
        return
    fi
    echo "| $exe | failed (exit $rc; its output: build/bench/$exe.err) | |"
}

if want app; then gbench app_bench; fi
if want midi; then
    gbench midi_bench
    gbench callback_bench
    gbench arp_bench
fi
if want keyboard; then gbench keyboard_bench; fi
if want patch; then gbench patch_bench; fi
if want store; then gbench store_bench; fi
if want synth; then gbench synth_bench; fi
if want takes; then gbench takes_bench; fi
if want e2e; then
    "${prio[@]}" "$build/bench/ondrel_probe" "$build/src/app/ondrel" startup idle keys thru \
        bursts patchset memory --play-seconds "$play" --qt-floor "$build/bench/ondrel_qt_floor" 2>/dev/null
fi
echo
echo "Load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
