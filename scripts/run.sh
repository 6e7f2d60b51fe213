#!/usr/bin/env bash
# Builds Loxane and starts it. Installs what the build needs on Debian.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-packages.sh
install_packages "${BUILD_PACKAGES[@]}"
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DLOXANE_BENCHMARKS=OFF
cmake --build build/release -j"$(nproc)"
exec build/release/src/loxane
