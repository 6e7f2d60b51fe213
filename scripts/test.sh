#!/usr/bin/env bash
# Builds Loxane with its tests and runs every one of them: unit, widget,
# randomized, session and end-to-end; then builds them again with the
# sanitizers and runs all but the end-to-end tests there. Installs what they
# need on Debian.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-packages.sh
# The package check's X server, window manager and weston serve the
# end-to-end tests too; a private D-Bus session with an accessibility bus and
# Debian's pyatspi read the tool as a screen reader does, and Orca listens.
install_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_CHECK_PACKAGES[@]}" "${SCREEN_READER_PACKAGES[@]}" \
    libgtest-dev libgmock-dev libbenchmark-dev python3-gi
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DLOXANE_BENCHMARKS=ON
cmake --build build/test -j"$(nproc)"
(cd build/test && ctest --output-on-failure -j"$(nproc)")
# The Debian package, checked without installing it (but see packaging/check.sh).
bash packaging/check.sh build/test
# Left out with LOXANE_SANITIZERS=off, as on the other Debian release
# (scripts/test-on-debian.sh), where the tests run in a chroot.
if [[ ${LOXANE_SANITIZERS:-on} == off ]]; then
    echo "The sanitized build is left out (LOXANE_SANITIZERS=off)."
    exit 0
fi
# Unit, widget, randomized and session tests again under AddressSanitizer,
# its leak checker and UndefinedBehaviorSanitizer: any report fails the test
# that made it. The sanitizers make each event about three times as slow,
# so the randomized test takes a quarter of its events per locale here.
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DLOXANE_SANITIZE=ON -DLOXANE_BENCHMARKS=OFF
cmake --build build/sanitize -j"$(nproc)"
(cd build/sanitize && LOXANE_RANDOM_EVENTS=25000 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j"$(nproc)" -E '^e2e\.')
