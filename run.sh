#!/usr/bin/env bash
# Installs what is missing, builds Ondrel (Release) into build/release and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh

ondrel_install_packages "${ONDREL_BUILD_PACKAGES[@]}"

BUILD_DIR=build/release
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
    cmake -S . -B "$BUILD_DIR" $(ondrel_generator) -DCMAKE_BUILD_TYPE=Release -DONDREL_BUILD_TESTS=OFF
fi
cmake --build "$BUILD_DIR" --target ondrel -j2

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "ondrel: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session" >&2
    exit 1
fi
exec "$BUILD_DIR/src/app/ondrel" "$@"
