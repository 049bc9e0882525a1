#!/usr/bin/env bash
# Installs the Debian package with apt into a clean Debian 12 minimal root,
# starts the program there, then removes it with apt and checks it left
# nothing behind.
#
#   scripts/test-install.sh [build-package | path/to/rungekutta_*.deb] [cache-dir]
#
# The minimal root is made once with debootstrap and kept as a tarball in the
# cache folder (build-install-root/ by default), with the .debs apt fetched;
# every run unpacks a fresh copy. Needs root (chroot, mount) and the network.
set -euo pipefail

arg=${1:-build-package}
cache=${2:-build-install-root}
mirror=${RK_DEBIAN_MIRROR:-http://deb.debian.org/debian}
start=$SECONDS

# shellcheck source=scripts/find-deb.sh
source "$(dirname "$0")/find-deb.sh"
# shellcheck source=scripts/keeps-running.sh
source "$(dirname "$0")/keeps-running.sh"
find_deb "$arg" test-install

for tool in debootstrap chroot mount umount tar dpkg-deb; do
  if ! command -v "$tool" >/dev/null; then
    echo "test-install: FAIL: $tool is not installed (make deps installs it)"
    exit 1
  fi
done
if [ "$(id -u)" -ne 0 ]; then
  echo "test-install: FAIL: needs root for chroot and mount (run it with sudo)"
  exit 1
fi

mkdir -p "$cache/apt-archives"
cache=$(cd "$cache" && pwd)
base=$cache/bookworm-minbase.tar
root=$cache/root

# Anything still mounted below the root (an earlier run killed before its
# clean-up) would be deleted along with it, so unmount first, deepest first.
unmount_all() {
  awk -v r="$root" '$2 == r || index($2, r "/") == 1 { print $2 }' /proc/mounts | sort -r |
    while read -r m; do umount "$m" 2>/dev/null || umount -l "$m"; done
}
trap unmount_all EXIT
unmount_all

if [ ! -f "$base" ]; then
  echo "test-install: making the Debian 12 minimal root (once; cached in $base)"
  rm -rf --one-file-system "$cache/debootstrap"
  debootstrap --variant=minbase bookworm "$cache/debootstrap" "$mirror" >"$cache/debootstrap.log" 2>&1 || {
    echo "test-install: FAIL: debootstrap failed; the end of $cache/debootstrap.log:"
    tail -n 20 "$cache/debootstrap.log"
    exit 1
  }
  tar -C "$cache/debootstrap" -cf "$base.part" .
  mv "$base.part" "$base"
  rm -rf --one-file-system "$cache/debootstrap"
fi

rm -rf --one-file-system "$root"
mkdir "$root"
tar -C "$root" -xpf "$base"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount --bind "$cache/apt-archives" "$root/var/cache/apt/archives"

root_env=(/usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive)
in_root() { chroot "$root" "${root_env[@]}" "$@"; }

problems=0
fail() {
  echo "  problem: $*"
  problems=$((problems + 1))
}

# Depends alone must give a working program, so recommended packages stay out.
cp "$deb" "$root/tmp/"
name=$(basename "$deb")
echo "test-install: apt-get install ./$name"
in_root apt-get update -qq
if ! in_root apt-get install -y -qq --no-install-recommends "/tmp/$name" >"$cache/install.log" 2>&1; then
  echo "test-install: FAIL: apt-get install failed; the end of $cache/install.log:"
  tail -n 20 "$cache/install.log"
  exit 1
fi
in_root dpkg-query -L rungekutta | sort -u >"$cache/installed.list"
echo "test-install: installed $(wc -l <"$cache/installed.list") paths"

# --- In place -------------------------------------------------------------

for path in /usr/bin/rungekutta /usr/share/applications/rungekutta.desktop \
  /usr/share/metainfo/rungekutta.metainfo.xml /usr/share/man/man1/rungekutta.1.gz \
  /usr/share/doc/rungekutta/copyright /usr/share/doc/rungekutta/changelog.gz; do
  [ -f "$root$path" ] || fail "$path is not installed"
done
icon=$(sed -n 's/^Icon=//p' "$root/usr/share/applications/rungekutta.desktop" 2>/dev/null | head -n 1)
[ -n "$icon" ] && [ -n "$(find "$root/usr/share/icons/hicolor" -path "*/apps/$icon.*" 2>/dev/null)" ] ||
  fail "the menu entry's icon '$icon' is not installed in the hicolor theme"
in_root gzip -t /usr/share/man/man1/rungekutta.1.gz || fail "the manual page does not unpack"
# The comparison's chart is a module the program loads on first use from
# its own folder under /usr/lib, with Qt Charts, which the package must pull in.
module=$(in_root dpkg -L rungekutta | grep -E '^/usr/lib/[^/]+/rungekutta/rk_comparison_chart\.so$')
[ -n "$module" ] && echo "test-install: the chart module is $module" ||
  fail "the comparison's chart module is not installed in /usr/lib/<triplet>/rungekutta"
[ -z "$module" ] || ! in_root ldd "$module" | grep -q 'not found' ||
  fail "$module needs libraries the package does not bring: $(in_root ldd "$module" | grep 'not found' | head -n 3)"

# The window must come up and wait for input until it is told to end.
# chroot and env each exec the next, so $! is the program itself.
install -d -m 0700 "$root/run/user/0"
chroot "$root" "${root_env[@]}" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/run/user/0 /usr/bin/rungekutta \
  >"$cache/run.log" 2>&1 </dev/null &
keeps_running $! 5 || fail "/usr/bin/rungekutta, started offscreen: $stop_problem: $(head -c 400 "$cache/run.log")"
# And answers --version there without a display.
version=$(dpkg-deb -f "$deb" Version)
out=$(in_root /usr/bin/rungekutta --version 2>&1) && [ "$out" = "rungekutta $version" ] ||
  fail "/usr/bin/rungekutta --version printed '$out', not 'rungekutta $version'"

# --- Removed --------------------------------------------------------------

echo "test-install: apt-get remove rungekutta"
in_root apt-get remove -y -qq rungekutta >"$cache/remove.log" 2>&1 || fail "apt-get remove failed: $(tail -n 5 "$cache/remove.log")"
in_root dpkg-query -W rungekutta >/dev/null 2>&1 && fail "dpkg still knows rungekutta after the removal"
# Folders the package shared with others stay, as long as another package owns them.
while read -r path; do
  case $path in /. | /) continue ;; esac
  [ -e "$root$path" ] || [ -L "$root$path" ] || continue
  if [ -d "$root$path" ] && [ ! -L "$root$path" ] && in_root dpkg-query -S "$path" >/dev/null 2>&1; then
    continue
  fi
  fail "$path is left after the removal"
done <"$cache/installed.list"

if [ "$problems" -eq 0 ]; then
  unmount_all
  rm -rf --one-file-system "$root"
  echo "test-install: PASS $name installed, started and removed in a Debian 12 minimal root ($((SECONDS - start)) s)"
else
  echo "test-install: FAIL $name: $problems problem(s) ($((SECONDS - start)) s)"
  exit 1
fi
