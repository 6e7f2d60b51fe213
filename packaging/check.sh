#!/usr/bin/env bash
# Checks the Debian package without touching the installed system:
#   packaging/check.sh BUILD_DIR
# BUILD_DIR is any build configured from the top-level CMakeLists, with or
# without the tests. The check builds the package there, runs lintian on it,
# unpacks it (dpkg-deb -x) to validate the desktop entry, the metadata, the
# manual page and the documentation, starts the unpacked tool under Xvfb and
# closes it, starts it under weston with and without Qt's Wayland plugin, and
# asks apt whether its dependencies resolve (--simulate).
#
# Only where CI is set (CI runners set it) or LOXANE_PACKAGE_INSTALL=1 does
# it also install the package for real, start /usr/bin/loxane and purge the
# package again; never where loxane is already installed.
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
use_version_of_build "$build"

app_id=org.loxane.loxane
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive

work=$(mktemp -d)
app_pid="" openbox_pid="" XVFB_PID="" WESTON_PID="" we_installed=no
cleanup() {
    stop_processes "$app_pid" "$openbox_pid" "$WESTON_PID" "$XVFB_PID"
    if [ "$we_installed" = yes ] && loxane_installed; then
        "${sudo[@]}" apt-get purge -y -q loxane >/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

loxane_installed() {
    dpkg-query -W -f='${Status}' loxane 2>/dev/null | grep -q 'ok installed'
}

# Reads width and height from a PNG's header.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
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
    [[ "$(dpkg-deb -f "$deb" Version)" == "$LOXANE_VERSION"-* ]] ||
        fail "package version $(dpkg-deb -f "$deb" Version) is not the project's $LOXANE_VERSION plus a Debian revision"
    [ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "no Maintainer field"
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "   Depends: $depends"
    grep -q 'fonts-liberation' <<<"$depends" || fail "Depends lacks fonts-liberation"
    grep -q 'libqt6widgets6' <<<"$depends" || fail "Depends lacks the Qt libraries (dpkg-shlibdeps not run?)"
    [ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || fail "Recommends is not qt6-wayland"
    if dpkg-deb -c "$deb" | grep -Eq '\./usr/(include|lib)/'; then
        fail "the package carries headers or libraries it should not"
    fi
}

# Overridden tags are listed with their reasons but do not fail the check;
# any error or warning left does.
run_lintian() {
    local report
    echo "== lintian"
    report=$(lintian --display-info --pedantic --show-overrides "$1" 2> >(grep -v 'root privileges' >&2)) || true
    echo "${report:-   (nothing to report)}"
    if grep -Eq '^[EW]: ' <<<"$report"; then
        fail "lintian reports errors or warnings: fix them, or override them with a reason in packaging/lintian-overrides"
    fi
}

check_unpacked_files() {
    local root=$1 share=$1/usr/share deb_version=$2 page
    [ -x "$root/usr/bin/loxane" ] || fail "usr/bin/loxane is not in the package"
    [ "$(png_size "$share/icons/hicolor/48x48/apps/$app_id.png")" = 48x48 ] ||
        fail "the hicolor 48x48 icon is missing or not 48 x 48"
    grep -q '<svg' "$share/icons/hicolor/scalable/apps/$app_id.svg" ||
        fail "the scalable icon is missing"
    echo "== desktop-file-validate"
    desktop-file-validate "$share/applications/$app_id.desktop" || fail "desktop entry is invalid"
    validate_metadata "$share/metainfo/$app_id.metainfo.xml"
    grep -q "<release version=\"$LOXANE_VERSION\"" "$share/metainfo/$app_id.metainfo.xml" ||
        fail "the metadata's releases do not start with version $LOXANE_VERSION"
    echo "== man -l loxane.1.gz"
    page=$(man -l "$share/man/man1/loxane.1.gz" 2>&1) || fail "man cannot render the manual page: $page"
    grep -q '^SYNOPSIS' <<<"$page" || fail "the manual page has no synopsis: $page"
    grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
        "$share/doc/loxane/copyright" || fail "the copyright file is missing or not machine-readable"
    [ "$(zcat "$share/doc/loxane/changelog.Debian.gz" | head -n 1)" = "loxane ($deb_version) unstable; urgency=medium" ] ||
        fail "changelog.Debian.gz does not begin with version $deb_version"
    [ -f "$share/lintian/overrides/loxane" ] || fail "the lintian overrides are not installed"
}

# The AppStream metadata, pedantically: no error, and no warning but the one
# the project's lack of a public web site causes (AppStream 1.0 wants a
# homepage URL; 0.16 does not).
validate_metadata() {
    local report
    echo "== appstreamcli validate --pedantic --no-net"
    report=$(appstreamcli validate --pedantic --no-net "$1" 2>&1) || true
    echo "$report"
    grep -q 'Validation' <<<"$report" || fail "appstreamcli did not validate the metadata"
    if grep -E '^[EW]: ' <<<"$report" | grep -vq ' url-homepage-missing$'; then
        fail "the AppStream metadata has errors or warnings"
    fi
}

# Whether apt could install the package here: every dependency resolves.
check_dependencies_resolve() {
    local deb=$1 plan
    echo "== apt-get install --simulate ./$(basename "$deb")"
    plan=$(cd "$(dirname "$deb")" && apt-get install --simulate -q "./$(basename "$deb")" 2>&1) || {
        echo "$plan"
        fail "the package's dependencies do not resolve"
    }
    grep -E '^(Inst|Conf) ' <<<"$plan" || echo "   (nothing to install)"
}

# Runs the program $1 under Xvfb, finds its window, then closes it as a
# user's close box would, through a window manager; the program must then exit
# cleanly. The icon is read before the manager starts because openbox gives
# every window without an icon a default one of its own.
run_program() {
    local window status
    start_xvfb
    "$1" &
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
    stop_processes "$openbox_pid" "$XVFB_PID"
    openbox_pid="" XVFB_PID=""
}

# On a Wayland desktop, with and without Qt's Wayland plugin (which the
# package recommends): natively, with no X display, and else on the X
# display beside the compositor. Either way it opens its window silently.
run_on_wayland() {
    local log=$work/wayland.log
    start_xvfb
    start_weston "$work/runtime"
    env -u DISPLAY WAYLAND_DISPLAY="$WAYLAND_NAME" "$1" >"$log" 2>&1 &
    app_pid=$!
    wait_for_colour 3,0,99 || fail "no window on Wayland: $(cat "$log")"
    [ ! -s "$log" ] || fail "the program said on Wayland: $(cat "$log")"
    stop_processes "$app_pid"
    WAYLAND_DISPLAY="$WAYLAND_NAME" "$(program_with_platforms "$work" "$1" xcb)" >"$log" 2>&1 &
    app_pid=$!
    wait_for_window "$app_pid" >/dev/null
    [ ! -s "$log" ] || fail "the program said on X11 beside Wayland: $(cat "$log")"
    stop_processes "$app_pid" "$WESTON_PID" "$XVFB_PID"
    app_pid="" WESTON_PID="" XVFB_PID=""
}

# The real thing, for CI and throw-away systems: install, start, purge.
install_start_purge() {
    local deb=$1
    echo "== apt-get install ./$(basename "$deb")"
    we_installed=yes
    (cd "$(dirname "$deb")" && "${sudo[@]}" apt-get install -y -q "./$(basename "$deb")")
    [ -x /usr/bin/loxane ] || fail "/usr/bin/loxane missing after install"
    echo "== starting the installed /usr/bin/loxane under Xvfb"
    run_program /usr/bin/loxane
    echo "== apt-get purge loxane"
    "${sudo[@]}" apt-get purge -y -q loxane
    ! loxane_installed || fail "loxane is still installed after the purge"
    [ ! -e /usr/bin/loxane ] || fail "/usr/bin/loxane is still there after the purge"
    [ ! -e "/usr/share/applications/$app_id.desktop" ] || fail "the desktop entry is still there after the purge"
    we_installed=no
}

install_packages "${PACKAGE_CHECK_PACKAGES[@]}"
echo "== building $build"
cmake --build "$build" -j2 >/dev/null

deb=$(build_package)
deb_version=$(dpkg-deb -f "$deb" Version)
check_control_fields "$deb"
run_lintian "$deb"

echo "== dpkg-deb -x $(basename "$deb")"
dpkg-deb -x "$deb" "$work/root"
check_unpacked_files "$work/root" "$deb_version"
check_dependencies_resolve "$deb"
echo "== starting the unpacked usr/bin/loxane under Xvfb"
run_program "$work/root/usr/bin/loxane"
echo "== starting it under weston, with and without Qt's Wayland plugin"
run_on_wayland "$work/root/usr/bin/loxane"

if [ -n "${CI:-}" ] || [ "${LOXANE_PACKAGE_INSTALL:-}" = 1 ]; then
    loxane_installed &&
        fail "loxane is already installed here; the real install check needs a system without it (apt-get purge loxane first)"
    install_start_purge "$deb"
    echo "PASS: package built, checked by lintian, unpacked and started; installed, started and purged"
elif loxane_installed; then
    echo "PASS: package built, checked by lintian, unpacked and started; the installed loxane was left as it is" \
        "(the real install check runs with CI or LOXANE_PACKAGE_INSTALL=1, where loxane is not installed)"
else
    echo "PASS: package built, checked by lintian, unpacked and started; not installed" \
        "(LOXANE_PACKAGE_INSTALL=1, or CI, adds a real install, start and purge)"
fi
