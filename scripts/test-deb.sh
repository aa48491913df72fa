#!/bin/sh
# Builds the Debian package and tries it on a fresh Debian 12 system: a
# minimal root made with debootstrap, the package installed there with
# apt-get (which brings in its dependencies), then both programs started.
#
#     scripts/test-deb.sh [MIRROR]      (as root; MIRROR: a Debian mirror,
#                                        default http://deb.debian.org/debian)
#
# Needs root (debootstrap, chroot, mount), network access to the mirror and
# about 400 MB under /var/tmp for the scratch system, removed at the end.
# Takes a few minutes, mostly debootstrap; not part of the test suite.
set -eu
cd "$(dirname "$0")/.."
MIRROR=${1:-http://deb.debian.org/debian}
if [ "$(id -u)" -ne 0 ]; then
  echo "test-deb.sh: run as root (debootstrap and chroot need it)" >&2
  exit 1
fi

./scripts/deps.sh
if ! command -v debootstrap >/dev/null 2>&1; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
fi

echo "== building the package"
JOBS=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$JOBS" >/dev/null
rm -f build/pstedit_*.deb
(cd build && cpack -G DEB >/dev/null)
DEB=$(ls build/pstedit_*.deb)
echo "$DEB"
dpkg-deb --field "$DEB" Depends

ROOT=$(mktemp -d /var/tmp/pstedit-deb.XXXXXX)
cleanup() {
  umount "$ROOT/proc" 2>/dev/null || true
  rm -rf "$ROOT"
}
trap cleanup EXIT

echo "== making a fresh Debian 12 system in $ROOT"
debootstrap --variant=minbase bookworm "$ROOT" "$MIRROR" >"$ROOT.log" 2>&1 || {
  tail -n 20 "$ROOT.log"
  exit 1
}
rm -f "$ROOT.log"
cp /etc/resolv.conf "$ROOT/etc/resolv.conf"
# The programs find their catalogs from their own path, read in /proc.
mount -t proc proc "$ROOT/proc"
cp "$DEB" "$ROOT/tmp/"
in_root() { chroot "$ROOT" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

echo "== installing $(basename "$DEB") with apt-get"
in_root apt-get update -qq 2>/dev/null
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "/tmp/$(basename "$DEB")" >"$ROOT/apt.log" 2>&1 || {
  tail -n 30 "$ROOT/apt.log"
  exit 1
}
in_root dpkg-query -W -f='${Package} ${Version} ${Status}\n' pstedit

echo "== pstool --version"
in_root pstool --version
echo "== pstool --load script-royl-28.rpm --print --check (installed catalogs)"
in_root sh -c 'cd /usr/share/pstedit/examples && pstool --load script-royl-28.rpm --print --check' >"$ROOT/print.json"
head -c 300 "$ROOT/print.json"
echo " ..."
grep -q '"description":"Power cycle"' "$ROOT/print.json"
grep -q '"status":"Passed"' "$ROOT/print.json"
echo "== pstedit --quit-after-first-paint on the offscreen platform"
in_root mkdir -p -m 0700 /tmp/runtime-root
in_root env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp/runtime-root \
  pstedit --quit-after-first-paint /usr/share/pstedit/examples/script-royl-28.rpm
echo "pstedit: exit status $?"
in_root test -f /usr/share/man/man1/pstool.1
in_root test -f /usr/share/applications/pstedit.desktop
echo "== the package installs and both programs start on a fresh Debian 12"
