#!/usr/bin/env bash
# Builds the Debian package and checks that it installs and starts on a fresh Debian 12
# system with only its declared dependencies: a minimal bookworm tree made by debootstrap,
# the package installed into it with apt, then kestrel-calc and the desktop program run in
# it (headless). Needs root and network access to a Debian mirror.
# Usage: packaging/check-deb.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
root=${KESTREL_CHECK_ROOT:-/var/tmp/kestrel-deb-root}
mirror=${KESTREL_MIRROR:-http://deb.debian.org/debian}

scripts/install-deps.sh
command -v debootstrap >/dev/null || apt-get install -y -q --no-install-recommends debootstrap
command -v dpkg-shlibdeps >/dev/null || apt-get install -y -q --no-install-recommends dpkg-dev

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build"
(cd "$build" && cpack -G DEB)
deb=$(ls -t "$build"/kestrel2019_*.deb | head -n 1)
echo "== package: $deb"
dpkg-deb --info "$deb" | sed -n '/Depends/p'

if [[ ! -x "$root/usr/bin/apt-get" ]]; then
  rm -rf "$root"
  debootstrap --variant=minbase bookworm "$root" "$mirror"
fi
cp "$deb" "$root/tmp/kestrel2019.deb"
chroot "$root" apt-get update -q
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q /tmp/kestrel2019.deb

echo "== kestrel-calc in the fresh system"
chroot "$root" kestrel-calc --version
echo '{"income": 250000, "age": 40}' | chroot "$root" kestrel-calc quicktax
chroot "$root" test -f /usr/share/applications/kestrel2019.desktop
chroot "$root" test -f /usr/share/man/man1/kestrel-calc.1

echo "== kestrel2019 in the fresh system (headless, as a new user)"
chroot "$root" sh -c 'rm -rf /home/check && mkdir -p /home/check'
set +e
chroot "$root" env HOME=/home/check QT_QPA_PLATFORM=offscreen timeout 8 kestrel2019
status=$?
set -e
# Still running when the time was up: it started and waits at the disclaimer.
if [[ $status -ne 124 ]]; then
  echo "kestrel2019 ended with status $status instead of starting" >&2
  exit 1
fi
chroot "$root" sh -c 'ls /home/check/.local/share/*/Kestrel2019/Settings.mdb /home/check/.local/share/*/Kestrel2019/Zidazura.mdb'
echo "== the package installs and starts on a fresh Debian 12 system"
