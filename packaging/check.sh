#!/usr/bin/env bash
# Checks the desktop integration and the Debian package end to end:
#   packaging/check.sh BUILD_DIR
# BUILD_DIR must be configured from the top-level CMakeLists (with the
# packaging folder). The package is installed on this machine for the run and
# removed again, so run it on a CI or throw-away system.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=scripts/x-session.sh
. "$here/../scripts/x-session.sh"
# shellcheck source=scripts/install-packages.sh
. "$here/../scripts/install-packages.sh"

[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
build=$(cd "$1" && pwd) || fail "no build directory $1"
[ -f "$build/CPackConfig.cmake" ] ||
    fail "$build has no CPackConfig.cmake: is add_subdirectory(packaging) in the top-level CMakeLists?"

app_id=org.loxane.Loxane
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
export DEBIAN_FRONTEND=noninteractive

work=$(mktemp -d)
app_pid="" openbox_pid="" XVFB_PID="" we_installed=no
cleanup() {
    stop_processes "$app_pid" "$openbox_pid" "$XVFB_PID"
    if [ "$we_installed" = yes ] && dpkg-query -W -f='${Status}' loxane 2>/dev/null | grep -q 'ok installed'; then
        $sudo apt-get remove -y -q loxane >/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Reads width and height from a PNG's header.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}

check_installed_files() {
    local root=$work/root share
    echo "== installing into a temporary DESTDIR"
    DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
    share=$root/usr/share
    [ -x "$root/usr/bin/loxane" ] || fail "usr/bin/loxane not installed"
    [ "$(png_size "$share/icons/hicolor/48x48/apps/$app_id.png")" = 48x48 ] ||
        fail "the hicolor 48x48 icon is missing or not 48 x 48"
    grep -q '<svg' "$share/icons/hicolor/scalable/apps/$app_id.svg" ||
        fail "the scalable icon is missing"
    echo "== desktop-file-validate"
    desktop-file-validate "$share/applications/$app_id.desktop" || fail "desktop entry is invalid"
    echo "== appstreamcli validate --no-net"
    appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml" || fail "AppStream metadata is invalid"
}

build_package() {
    echo "== cpack -G DEB" >&2
    (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >&2) || fail "cpack failed"
    local debs=("$work"/pkg/loxane_*.deb)
    if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
        fail "expected one loxane_*.deb, found: ${debs[*]}"
    fi
    echo "${debs[0]}"
}

check_control_fields() {
    local deb=$1 depends
    [ "$(dpkg-deb -f "$deb" Package)" = loxane ] || fail "package name is not loxane"
    [ "$(dpkg-deb -f "$deb" Version)" = 3.33 ] || fail "package version is not 3.33"
    [ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "no Maintainer field"
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "   Depends: $depends"
    grep -q 'fonts-liberation' <<<"$depends" || fail "Depends lacks fonts-liberation"
    grep -q 'libqt6widgets6' <<<"$depends" || fail "Depends lacks the Qt libraries (dpkg-shlibdeps not run?)"
    if dpkg-deb -c "$deb" | grep -Eq '\./usr/(include|lib)/'; then
        fail "the package carries headers or libraries it should not"
    fi
}

# Runs the installed binary under Xvfb, finds its window, then closes it as a
# user's close box would, through a window manager; the program must then exit
# cleanly. The icon is read before the manager starts because openbox gives
# every window without an icon a default one of its own.
run_installed_program() {
    local window status
    start_xvfb
    /usr/bin/loxane &
    app_pid=$!
    window=$(wait_for_window "$app_pid")
    echo "   window $window titled \"$LOXANE_TITLE\" on $DISPLAY"
    has_window_icon "$window" ||
        fail "the window shows no 48 x 48 icon (_NET_WM_ICON)"

    openbox >/dev/null 2>&1 &
    openbox_pid=$!
    for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
    wmctrl -m >/dev/null 2>&1 || fail "openbox did not start on $DISPLAY"

    wmctrl -i -c "$window"
    for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app_pid" 2>/dev/null && fail "the program did not end when its window was closed"
    status=0
    wait "$app_pid" || status=$?
    app_pid=""
    [ "$status" -eq 0 ] || fail "the program ended with status $status after its window was closed"
}

# dpkg-dev and file: cpack finds the binaries with file and their libraries with dpkg-shlibdeps.
install_packages desktop-file-utils appstream xvfb xdotool dpkg-dev file openbox wmctrl x11-utils
echo "== building $build"
cmake --build "$build" -j2 >/dev/null
check_installed_files

deb=$(build_package)
check_control_fields "$deb"

dpkg-query -W -f='${Status}' loxane 2>/dev/null | grep -q 'ok installed' &&
    fail "loxane is already installed here; remove it first so the check starts clean"
echo "== apt-get install ./$(basename "$deb")"
we_installed=yes
(cd "$(dirname "$deb")" && $sudo apt-get install -y -q "./$(basename "$deb")")
[ -x /usr/bin/loxane ] || fail "/usr/bin/loxane missing after install"

echo "== starting /usr/bin/loxane under Xvfb"
run_installed_program

echo "== apt-get remove loxane"
$sudo apt-get remove -y -q loxane
[ ! -e /usr/bin/loxane ] || fail "/usr/bin/loxane is still there after removal"
[ ! -e "/usr/share/applications/$app_id.desktop" ] || fail "the desktop entry is still there after removal"
we_installed=no

echo "PASS: desktop files valid, package built, installed, started, closed and removed"
