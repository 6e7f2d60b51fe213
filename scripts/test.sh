#!/usr/bin/env bash
# Builds Loxane with its tests and runs every one of them: unit, widget and
# end-to-end. Installs what they need on Debian.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-packages.sh
install_packages "${BUILD_PACKAGES[@]}" libgtest-dev libgmock-dev libbenchmark-dev \
    xvfb xdotool imagemagick x11-utils openbox wmctrl
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/test -j"$(nproc)"
(cd build/test && ctest --output-on-failure -j"$(nproc)")
# The desktop files and the Debian package, installed, started and removed.
bash packaging/check.sh build/test
