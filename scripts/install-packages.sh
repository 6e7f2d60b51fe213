# Installs the Debian packages named in the arguments that are not installed
# yet, through sudo when not root. Sourced by the run and test scripts.
install_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [[ ${#missing[@]} -eq 0 ]] && return 0
    local sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

BUILD_PACKAGES=(cmake g++ make qt6-base-dev libwayland-dev fonts-liberation)
# What packaging/check.sh needs: cpack finds the binaries with file and their
# libraries with dpkg-shlibdeps (dpkg-dev); lintian, the validators, and an X
# server with a window manager to start the packaged tool and close it;
# weston with Qt's Wayland plugin and imagemagick to see the tool started on
# Wayland.
PACKAGE_CHECK_PACKAGES=(dpkg-dev file lintian desktop-file-utils appstream
    xvfb xdotool x11-utils openbox wmctrl weston qt6-wayland imagemagick)
# A real screen reader for the end-to-end test that listens to the tool:
# Orca speaking through speech-dispatcher and espeak-ng, a D-Bus session with
# the accessibility bus, and localedef (locales) to compile French privately.
SCREEN_READER_PACKAGES=(orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng locales
    dbus at-spi2-core python3-pyatspi)
