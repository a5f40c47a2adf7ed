#!/usr/bin/env bash
# Installs what is missing (including what the tests need), builds Ondrel into build/test and
# runs every test through CTest. Extra arguments go to ctest, e.g. ./test.sh -L midi
# ./test.sh --asan builds into build/asan with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs the same tests; any finding fails the test that met it.
# ./test.sh --tsan builds into build/tsan with ThreadSanitizer only the tests whose code runs on
# several threads (CTest label "threads": the router, the MIDI devices, the JACK tests) and runs
# those; any data race fails the test that met it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh

ondrel_install_packages "${ONDREL_BUILD_PACKAGES[@]}" "${ONDREL_TEST_PACKAGES[@]}"
ondrel_test_user

BUILD_DIR=build/test
JOBS=2
OPTIONS=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DONDREL_BUILD_TESTS=ON)
TARGET=all
CTEST_SELECT=()
if [ "${1:-}" = "--tsan" ]; then
    shift
    BUILD_DIR=build/tsan
    OPTIONS+=(-DONDREL_SANITIZE_THREAD=ON "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g -DNDEBUG")
    TARGET=ondrel_threaded_tests
    CTEST_SELECT=(-L threads)
    # Qt, JACK and FluidSynth are not built with the sanitizer: what they synchronize inside
    # themselves it cannot see; tsan.supp names each such place and why.
    # The tests start JACK servers and the program in child processes: a fork from a process
    # with threads is fine for them, as the child only calls exec.
    export TSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/tsan.supp:halt_on_error=1:second_deadlock_stack=1:report_signal_unsafe=0:die_after_fork=0"
elif [ "${1:-}" = "--asan" ]; then
    shift
    BUILD_DIR=build/asan
    # -O1 as the sanitizers advise: quick to build, good stack traces, runs fast enough.
    OPTIONS+=(-DONDREL_SANITIZE=ON "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g -DNDEBUG")
    # Leaks in libraries outside the project are suppressed in lsan.supp, each with its reason.
    export ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1
    export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
    cmake -S . -B "$BUILD_DIR" $(ondrel_generator) "${OPTIONS[@]}"
fi
cmake --build "$BUILD_DIR" -j2 --target "$TARGET"
# Tests that meet a real JACK server and X server on a 2-core machine can lose a timing race
# when the machine is loaded; a test that fails twice in a row fails the run. A retry is never
# hidden: the end of the run names every test that needed one.
log="$BUILD_DIR/ctest-output.log"
set +e
ctest --test-dir "$BUILD_DIR" --output-on-failure -j$JOBS --repeat until-pass:2 \
    "${CTEST_SELECT[@]}" "$@" 2>&1 |
    tee "$log"
status=${PIPESTATUS[0]}
set -e
mapfile -t retried < <(awk '/ Test +#[0-9]+: /{
        name = $0; sub(/.* Test +#[0-9]+: /, "", name); sub(/ .*/, "", name)
        if ($0 ~ /\*\*\*|Failed|Timeout|Exception/) failed[name] = 1
        else if ($0 ~ /Passed/ && (name in failed)) print name
    }' "$log" | sort -u)
if [ "${#retried[@]}" -gt 0 ]; then
    echo "Tests that failed once and passed on their retry (${#retried[@]}):"
    printf '  %s\n' "${retried[@]}"
else
    echo "No test needed a retry."
fi
exit "$status"
