#!/usr/bin/env bash
# Runs the test command, bash scripts/test.sh, on a fresh, minimal Debian of
# another release, as a new user of that release would:
#   scripts/test-on-debian.sh [bookworm|trixie]
# By default the release this machine is not: Debian 13 (trixie) on Debian
# 12, Debian 12 (bookworm) on Debian 13. It tests the commit checked out
# here (HEAD), copied into a chroot made with debootstrap --variant=minbase
# from this machine's Debian mirror, with no locale set. The sanitized build
# is left out there (LOXANE_SANITIZERS=off).
#
# Everything lives in a folder of its own under /var/tmp, with /proc, /sys
# and /dev mounted inside it; all of it is unmounted and removed at the end,
# on failure or interruption too, so runs side by side, or after one that
# was stopped half-way, never meet. Needs root (through sudo when not root).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

fail() {
    echo "test-on-debian: $*" >&2
    exit 1
}

if [[ $(id -u) -ne 0 ]]; then
    exec sudo -- bash "$here/scripts/test-on-debian.sh" "$@"
fi

# shellcheck source=scripts/install-packages.sh
source "$here/scripts/install-packages.sh"

this_release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
case "${1:-}" in
    bookworm | trixie) release=$1 ;;
    "")
        case "$this_release" in
            bookworm) release=trixie ;;
            trixie) release=bookworm ;;
            *) fail "this is not Debian 12 or 13 ($this_release): name the release, bookworm or trixie" ;;
        esac
        ;;
    *) fail "usage: $0 [bookworm|trixie]" ;;
esac

# The first Debian archive this machine's apt uses.
debian_mirror() {
    local uri
    uri=$(grep -hsE '^URIs:.*/debian/?$' /etc/apt/sources.list.d/*.sources | awk '{ print $2; exit }')
    [[ -n $uri ]] || uri=$(grep -hsE '^deb +(\[[^]]*\] +)?[a-z]+://[^ ]*/debian/? ' /etc/apt/sources.list \
        | sed -E 's/^deb +(\[[^]]*\] +)?//' | awk '{ print $1; exit }')
    echo "${uri:-http://deb.debian.org/debian}"
}

# What is mounted at or below $1, deepest first.
mounts_below() {
    awk -v top="$1" '$2 == top || index($2, top "/") == 1 { print $2 }' /proc/self/mounts | sort -r
}

# The chroot's own /proc, and this machine's /sys and /dev bound into it as
# slaves: unmounting them there never reaches the machine's own. Shared
# memory gets a tmpfs of its own.
mount_system() {
    mount -t proc proc "$1/proc"
    mount --rbind /sys "$1/sys" && mount --make-rslave "$1/sys"
    mount --rbind /dev "$1/dev" && mount --make-rslave "$1/dev"
    mount -t tmpfs -o mode=1777 tmpfs "$1/dev/shm"
}

unmount_below() {
    local point
    for point in $(mounts_below "$1"); do umount -l "$point" 2>/dev/null || true; done
}

# Every process whose root is the chroot $1 (started there by this run).
chroot_processes() {
    local link
    for link in /proc/[0-9]*/root; do
        [[ $(readlink "$link" 2>/dev/null) == "$1" ]] && echo "${link//[^0-9]/}"
    done
    return 0
}

end_chroot_processes() {
    local pids
    pids=$(chroot_processes "$1")
    [[ -n $pids ]] || return 0
    kill -TERM $pids 2>/dev/null || true
    for _ in $(seq 50); do
        pids=$(chroot_processes "$1")
        [[ -n $pids ]] || return 0
        sleep 0.1
    done
    kill -KILL $pids 2>/dev/null || true
}

# Runs a long step (debootstrap, the tests) as a process group of its own,
# so that the clean-up ends all of it at once, whatever it is doing.
step=""
run_step() {
    local status=0
    setsid "$@" &
    step=$!
    wait "$step" || status=$?
    step=""
    return "$status"
}

end_step() {
    [[ -n $step ]] || return 0
    kill -TERM -- "-$step" 2>/dev/null || true
    for _ in $(seq 50); do
        kill -0 -- "-$step" 2>/dev/null || return 0
        sleep 0.1
    done
    kill -KILL -- "-$step" 2>/dev/null || true
}

install_packages debootstrap
mkdir -p /var/tmp
work=$(mktemp -d /var/tmp/loxane-debian-"$release".XXXXXX)
root=$work/root
mkdir "$root"
# The processes started inside are ended, the mounts undone (lazily: a
# process still holding one cannot keep the folder from going), and the
# folder removed only once nothing is mounted below it.
cleanup() {
    local status=$?
    trap - EXIT INT TERM
    end_step
    end_chroot_processes "$root"
    unmount_below "$root"
    if [[ -n $(mounts_below "$root") ]]; then
        echo "test-on-debian: still mounted below $root; left in place" >&2
    else
        rm -rf --one-file-system "$work"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

started=$SECONDS
mirror=$(debian_mirror)
echo "== debootstrap --variant=minbase $release $mirror (in $work)"
run_step debootstrap --variant=minbase "$release" "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
    { tail -n 20 "$work/debootstrap.log" >&2; fail "debootstrap failed"; }
cp /etc/resolv.conf "$root/etc/resolv.conf"
# As in any chroot, packages installed there start no services.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"
echo "== the checkout's HEAD, $(git -C "$here" -c safe.directory="$here" rev-parse --short HEAD), copied in"
mkdir "$root/root/loxane"
git -C "$here" -c safe.directory="$here" archive --format=tar HEAD | tar -x -C "$root/root/loxane"
mount_system "$root"

echo "== bash scripts/test.sh on Debian $release"
# A new user's environment: no locale, a root shell's PATH; CI passed on.
took() { echo "$(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"; }
run_step chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root TERM=dumb ${CI:+CI="$CI"} LOXANE_SANITIZERS=off \
    /bin/bash -c 'cd /root/loxane && bash scripts/test.sh' </dev/null ||
    fail "the test command failed on Debian $release, after $(took)"
echo "== Debian $release: the test command passed in $(took)"
