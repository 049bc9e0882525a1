#!/usr/bin/env bash
# Installs the Debian packages for one purpose; each list is kept once:
#
#   scripts/install-deps.sh run      building and running the program:
#                                    debian/control's Build-Depends for the
#                                    nocheck profile, and the package's Depends
#   scripts/install-deps.sh package  building the Debian package with its
#                                    unit tests: all of Build-Depends
#   scripts/install-deps.sh test     the above and the test tools below
#
# Safe to run again: it only calls apt-get when a package is missing.
set -euo pipefail

purpose=${1:?usage: install-deps.sh run|package|test}
cd "$(dirname "$0")/.."

# What `make test` needs beyond the package build: the benchmarks (with the
# session bus the start-up benchmark gives the programs it starts), the
# window under Xvfb driven by xdotool and checked on screenshots, Weston with
# Qt's Wayland platform, clang's fuzzer, the package checks (lint,
# software-centre metadata, the install check's chroot, the comparison of two
# builds) and the German locale the suite runs under once more.
test_tools=(
  libbenchmark-dev pkg-config libxcb1-dev dbus-daemon
  xvfb xauth xdotool x11-apps x11-utils imagemagick
  weston qt6-wayland qt6-translations-l10n
  clang libclang-rt-dev
  desktop-file-utils libxml2-utils file lintian appstream debootstrap diffoscope-minimal
  locales
)

# The fields of the control file's binary package, without substitutions,
# versions or architecture qualifiers; one name per line.
control_field() {
  awk -v field="$1" '
    /^Package:/ { binary = 1 }
    binary && $0 ~ "^" field ":" { on = 1; sub("^[^:]*:", ""); print; next }
    on && /^[ \t]/ { print; next }
    { on = 0 }' debian/control |
    tr ',' '\n' | sed 's/[[(<].*//; s/\$[{][^}]*[}]//; s/[[:space:]]//g' | grep -v '^$'
}

profiles=()
packages=()
case $purpose in
  run)
    profiles=(-P nocheck)
    mapfile -t packages < <(control_field Depends)
    ;;
  package) ;;
  test)
    mapfile -t packages < <(control_field Depends)
    packages+=("${test_tools[@]}")
    ;;
  *)
    echo "install-deps: unknown purpose '$purpose' (run, package or test)" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# dpkg-checkbuilddeps comes with dpkg-dev, which a fresh machine may lack.
if [ "${#missing[@]}" -eq 0 ] && command -v dpkg-checkbuilddeps >/dev/null &&
  dpkg-checkbuilddeps "${profiles[@]}" 2>/dev/null; then
  exit 0
fi

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
echo "install-deps ($purpose): Build-Depends of debian/control${profiles:+ (nocheck)}${missing:+, and ${missing[*]}}"
"${sudo_cmd[@]}" apt-get build-dep -y -qq --no-install-recommends "${profiles[@]}" ./
if [ "${#missing[@]}" -gt 0 ]; then
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
