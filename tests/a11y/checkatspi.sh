#!/usr/bin/env bash
# Starts Ondrel on an X server and a D-Bus session of their own with the accessibility bus
# (at-spi2-core), and reads its tree as a screen reader would (atspi_check.py).
# Usage: checkatspi.sh PROGRAM
set -uo pipefail
program="${1:?usage: checkatspi.sh PROGRAM}"
here="$(cd "$(dirname "$0")" && pwd)"
for tool in Xvfb xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || [ -x "$tool" ] || { echo "missing $tool (scripts/deps.sh)"; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' || { echo "missing python3-pyatspi (scripts/deps.sh)"; exit 1; }
work=$(mktemp -d)
xvfb=""
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
exec 3<> "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
export DISPLAY=":$(head -n 1 "$work/display")"
mkdir -p "$work/config/Tavrel/Ondrel"
printf '[MidiDevices]\nMidiOut=(none)\nMidiIn=(none)\n' >"$work/config/Tavrel/Ondrel/ondrel.ini"
# Qt offers its tree when a screen reader runs; here the check stands in for one.
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
dbus-run-session -- bash -c '
    # The accessibility bus first, as a desktop session has it, then the program, which
    # finds the bus and offers its tree there.
    /usr/bin/python3 -c "import pyatspi; pyatspi.Registry.getDesktop(0)" >/dev/null 2>&1
    "$1" >"$3/ondrel.log" 2>&1 &
    pid=$!
    /usr/bin/python3 "$2" "$pid"
    status=$?
    kill -TERM "$pid" 2>/dev/null
    wait "$pid"
    [ "$status" -eq 0 ] || { echo "--- the program said:"; grep -v "^ALSA" "$3/ondrel.log"; }
    exit "$status"
' checkatspi "$program" "$here/atspi_check.py" "$work" 2> >(grep -v -e 'dbus-daemon' -e 'SpiRegistry' >&2)
