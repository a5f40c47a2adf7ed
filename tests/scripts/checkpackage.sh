#!/usr/bin/env bash
# What a distribution and a software centre see of Ondrel: the AppStream description and the
# menu entry validate, and the Debian package that CPack makes installs (with dpkg, into a root
# of its own, so the machine is left as it was), needs only what this machine has, and starts.
# Usage: checkpackage.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build="${1:?usage: checkpackage.sh BUILD_DIR SOURCE_DIR}"
source="${2:?usage: checkpackage.sh BUILD_DIR SOURCE_DIR}"
work=$(mktemp -d)
program=""
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

echo "--- AppStream description and menu entry"
appstreamcli validate --no-net "$build/org.tavrel.Ondrel.metainfo.xml" || fail "metainfo does not validate"
desktop-file-validate "$source/resources/org.tavrel.Ondrel.desktop" || fail "desktop file does not validate"

echo "--- cpack -G DEB"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    fail "cpack failed"
    exit 1
fi
deb=$(ls "$work"/package/*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { fail "cpack made no .deb"; exit 1; }
dpkg-deb --field "$deb" | grep -v '^ '
depends=$(dpkg-deb --field "$deb" Depends)
case "$depends" in
*libqt6widgets6*) ;;
*) fail "Depends does not name the Qt libraries the program links: $depends" ;;
esac

echo "--- installed into a root of its own"
root="$work/root"
mkdir -p "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/info"
touch "$root/var/lib/dpkg/status"
# The root has none of the dependencies; whether this machine has them is checked below.
if ! dpkg --root="$root" --force-depends -i "$deb" >"$work/dpkg.log" 2>&1; then
    cat "$work/dpkg.log"
    fail "dpkg could not install the package"
    exit 1
fi
for f in usr/bin/ondrel usr/share/applications/org.tavrel.Ondrel.desktop \
    usr/share/metainfo/org.tavrel.Ondrel.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/ondrel.svg \
    usr/share/icons/hicolor/16x16/apps/ondrel.png usr/share/icons/hicolor/48x48/apps/ondrel.png \
    usr/share/icons/hicolor/256x256/apps/ondrel.png usr/share/man/man1/ondrel.1.gz \
    usr/share/doc/ondrel/Readme.txt; do
    [ -e "$root/$f" ] || [ -e "$root/${f%.gz}" ] || fail "the package lacks /$f"
done
# The description, the menu entry it launches and the icon it names, as a software centre
# reads them from the installed tree.
appstreamcli validate-tree --no-net "$root/usr" || fail "the installed tree does not validate"

echo "--- its dependencies on this machine"
# dpkg --no-act checks the Depends against what is installed here, writing nothing.
if ! dpkg --no-act -i "$deb" >"$work/deps.log" 2>&1; then
    cat "$work/deps.log"
    fail "the package's dependencies are not met on a machine that runs Ondrel"
fi

echo "--- starts"
version=$("$root/usr/bin/ondrel" --version) || fail "ondrel --version failed"
echo "$version"
[[ "$version" == ondrel\ * ]] || fail "ondrel --version said: $version"
config="$work/config"
XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=offscreen "$root/usr/bin/ondrel" \
    >"$work/ondrel.log" 2>&1 &
program=$!
# Running for a while and then closing on SIGTERM as a window does: settings written.
sleep 3
if ! kill -0 "$program" 2>/dev/null; then
    cat "$work/ondrel.log"
    fail "the installed program ended by itself"
else
    kill -TERM "$program"
    wait "$program"
    status=$?
    program=""
    [ "$status" -eq 0 ] || { cat "$work/ondrel.log"; fail "the installed program exited with $status"; }
    [ -s "$config/Tavrel/Ondrel/ondrel.ini" ] || fail "the installed program kept no settings"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "metainfo and desktop file valid; the package installs, starts and closes"
