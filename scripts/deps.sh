# Sourced by run.sh and test.sh: installs the Debian packages that are missing, and nothing else.

ONDREL_BUILD_PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
    librtmidi-dev libjack-jackd2-dev libsdl2-dev libsimpleini-dev libxcb-xkb-dev
    libfluidsynth-dev timgm6mb-soundfont
    fonts-dejavu-core
    qt6-wayland
    # lupdate/lrelease and their CMake functions for the translations; Qt's own translations
    # for its standard dialogs.
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
)
ONDREL_TEST_PACKAGES=(
    jackd2 xvfb xdotool x11-utils xauth imagemagick openbox
    clang libclang-rt-dev clang-format
    sway libwayland-dev libxkbcommon-dev
    at-spi2-core python3-pyatspi dbus-daemon
    appstream desktop-file-utils dpkg-dev file
    # libsmf reads the MIDI files the program writes back in the tests and the benchmarks, as
    # another program would.
    libsmf-dev
)
# bench/run.sh: Google Benchmark, and XTest for the end-to-end probe's key presses.
ONDREL_BENCH_PACKAGES=(libbenchmark-dev libxtst-dev)
# scripts/render-icons.sh: the PNG icons from the SVG.
ONDREL_ICON_PACKAGES=(librsvg2-bin)

ondrel_missing_packages() {
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            printf '%s\n' "$pkg"
        fi
    done
}

ondrel_install_packages() {
    if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
        echo "ondrel: this is not a Debian system; install these packages (or their equivalents) by hand:" >&2
        echo "  $*" >&2
        return 1
    fi
    local missing
    mapfile -t missing < <(ondrel_missing_packages "$@")
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "ondrel: missing packages and no sudo; as root run: apt-get install ${missing[*]}" >&2
            return 1
        fi
        sudo=(sudo)
    fi
    echo "ondrel: installing ${missing[*]}"
    "${sudo[@]}" apt-get update -q || return 1
    # jackd2 asks about real-time priority; the default answer is fine.
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
        --no-install-recommends "${missing[@]}" </dev/null
}

# The Wayland tests run sway, which refuses to run as root, as this unprivileged system user
# (no home, no login); made when the tests run as root and it is not there yet.
ondrel_test_user() {
    if [ "$(id -u)" -eq 0 ] && ! getent passwd ondrel-test >/dev/null; then
        useradd --system --no-create-home --shell /usr/sbin/nologin ondrel-test
    fi
}

ondrel_generator() {
    if command -v ninja >/dev/null 2>&1; then
        echo "-GNinja"
    fi
}
