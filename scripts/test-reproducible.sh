#!/usr/bin/env bash
# Compares two builds of the packages, made in two folders of different names
# and lengths at two different times, both with SOURCE_DATE_EPOCH from
# debian/changelog, bit for bit. Where the .debs differ, diffoscope (or,
# without it, a listing of the unpacked files that differ) shows where.
#
#   scripts/test-reproducible.sh [first-build-folder] [output-folder]
#
# The first build is the one in first-build-folder (build-package/, as
# `make package` leaves it) or, if there is none there, one made now from the
# work tree. The second is made from the first's source package in
# output-folder, without running the tests (nocheck): they are no part of the
# .debs, so a build with them and one without must give the same files.
set -uo pipefail

first=${1:-build-package}
out=${2:-build-reproducible}
here=$(cd "$(dirname "$0")" && pwd)
start=$SECONDS

for tool in dpkg-buildpackage dpkg-parsechangelog dpkg-deb cmp sha256sum; do
  if ! command -v "$tool" >/dev/null; then
    echo "test-reproducible: FAIL: $tool is not installed (make deps installs it)"
    exit 1
  fi
done

SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$here/../debian/changelog" -S Timestamp)
export SOURCE_DATE_EPOCH
export DEB_BUILD_OPTIONS="nocheck parallel=${JOBS:-$(nproc)}${DEB_BUILD_OPTIONS:+ $DEB_BUILD_OPTIONS}"
mkdir -p "$first" "$out"
first=$(cd "$first" && pwd)
out=$(cd "$out" && pwd)
second=$out/second-build-folder
# The second builds from the first's source package: both from the same
# files, even if the work tree changes meanwhile.
build() {
  echo "test-reproducible: building in $1 (SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH)"
  if ! "${@:2}" >"$1.log" 2>&1; then
    echo "test-reproducible: FAIL: the build in $1 failed; the end of $1.log:"
    tail -n 20 "$1.log"
    exit 1
  fi
}
dscs=("$first"/rungekutta_*.dsc)
[ -f "${dscs[0]}" ] || build "$first" bash "$here/build-package.sh" "$first" -Pnocheck
rm -rf --one-file-system "$second"
mkdir -p "$second"
build "$second" bash -c 'cd "$1" && dpkg-source -x "$2" src && cd src &&
  dpkg-buildpackage -us -uc -Pnocheck' - "$second" "$(ls "$first"/rungekutta_*.dsc)"
echo "test-reproducible: comparing $first/*.deb with $second/*.deb"

differ=0
shopt -s nullglob
debs=("$first"/*.deb)
[ "${#debs[@]}" -gt 0 ] || { echo "test-reproducible: FAIL: no .deb in $first"; exit 1; }
for a in "${debs[@]}"; do
  name=$(basename "$a")
  b=$second/$name
  if [ ! -f "$b" ]; then
    echo "  problem: $name was built in $first only"
    differ=$((differ + 1))
    continue
  fi
  sha256sum "$a" "$b" | sed "s/^/  /"
  cmp -s "$a" "$b" && continue
  differ=$((differ + 1))
  echo "  problem: $name differs"
  if command -v diffoscope >/dev/null; then
    diffoscope --no-progress "$a" "$b" | head -n 200
  else
    # Without diffoscope: the archive members, then the files that differ,
    # with the ELF sections that differ for the binaries.
    for part in control data; do
      cmp -s <(dpkg-deb --ctrl-tarfile "$a" 2>/dev/null | tar -tv 2>/dev/null) \
        <(dpkg-deb --ctrl-tarfile "$b" 2>/dev/null | tar -tv 2>/dev/null) || echo "    the $part archives' listings differ"
    done
    diff <(dpkg-deb -c "$a") <(dpkg-deb -c "$b") | sed 's/^/    /'
    rm -rf "$out/x"
    dpkg-deb -R "$a" "$out/x/a" && dpkg-deb -R "$b" "$out/x/b"
    (cd "$out/x/a" && find . -type f) | while read -r f; do
      cmp -s "$out/x/a/$f" "$out/x/b/$f" && continue
      cmp "$out/x/a/$f" "$out/x/b/$f" 2>&1 | sed 's/^/    /'
      if file -b "$out/x/a/$f" | grep -q '^ELF'; then
        diff <(readelf -SW "$out/x/a/$f" | grep -E '^ +\[') <(readelf -SW "$out/x/b/$f" | grep -E '^ +\[') | sed 's/^/      /'
      fi
    done
  fi
done

if [ "$differ" -eq 0 ]; then
  echo "test-reproducible: PASS ${#debs[@]} .deb(s) bit for bit the same from two folders ($((SECONDS - start)) s)"
else
  echo "test-reproducible: FAIL $differ .deb(s) differ ($((SECONDS - start)) s)"
  exit 1
fi
