#!/usr/bin/env bash
# Builds the Debian source package and the binary packages with
# dpkg-buildpackage from a copy of the work tree's files (the tracked ones and
# new ones git does not ignore), so build folders and .git stay out of the
# source package and every result lands in the output folder:
#
#   scripts/build-package.sh OUTPUT-FOLDER [dpkg-buildpackage options]
#
# OUTPUT-FOLDER/rungekutta-<version>/ is the unpacked source; the .dsc, the
# .tar.xz, the .debs, .buildinfo and .changes go beside it.
set -euo pipefail

out=${1:?usage: build-package.sh OUTPUT-FOLDER [dpkg-buildpackage options]}
shift
cd "$(dirname "$0")/.."
version=$(dpkg-parsechangelog -S Version)
src=$out/rungekutta-$version

rm -rf --one-file-system "$out"
mkdir -p "$src"
# Files deleted from the work tree but not yet from git are left out.
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
  tar --null -T - -cf - | tar -C "$src" -xf -

cd "$src"
export DEB_BUILD_OPTIONS="parallel=${JOBS:-$(nproc)}${DEB_BUILD_OPTIONS:+ $DEB_BUILD_OPTIONS}"
dpkg-buildpackage -us -uc "$@"
