#!/usr/bin/env bash
# Looks inside the Debian package without installing it: what apt would put
# on disk, whether the menu entry and its icon are usable, whether Depends
# pulls in the Qt runtime and the fonts the window asks for by name, and
# whether lintian and AppStream's validator accept it.
#
#   scripts/check-package.sh [build-package | path/to/rungekutta_*.deb]
#
# Prints one PASS or FAIL line at the end; exits non-zero on any problem.
set -uo pipefail

arg=${1:-build-package}
# shellcheck source=scripts/find-deb.sh
source "$(dirname "$0")/find-deb.sh"
# shellcheck source=scripts/keeps-running.sh
source "$(dirname "$0")/keeps-running.sh"
find_deb "$arg" check-package

for tool in dpkg-deb desktop-file-validate xmllint file readelf ldd timeout lintian appstreamcli gzip; do
  if ! command -v "$tool" >/dev/null; then
    echo "check-package: FAIL: $tool is not installed (make deps installs it)"
    exit 1
  fi
done

if ! dpkg-deb --info "$deb" >/dev/null 2>&1; then
  echo "check-package: FAIL: $deb is not a readable Debian package"
  exit 1
fi

problems=0
fail() {
  echo "  problem: $*"
  problems=$((problems + 1))
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
root=$tmp/root

# --- Control fields -------------------------------------------------------

# `apt install ./…deb` and later `apt remove rungekutta` rely on this name.
package=$(dpkg-deb -f "$deb" Package)
[ "$package" = rungekutta ] || fail "package is named '$package', not rungekutta"

# Package names only: drop versions, architecture qualifiers and spaces, and
# count each side of an alternative.
depends=$(dpkg-deb -f "$deb" Depends)
depends_names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*//; s/:.*//; s/[[:space:]]//g' | grep -v '^$')
# The binary links the Qt libraries; the fonts are looked up by family name
# and the SVG plugin that draws the window icon is loaded at run time, so
# nothing but Depends brings them onto a fresh machine.
for want in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 fonts-ipafont-gothic fonts-ipafont-mincho; do
  # Later Debian releases renamed the Qt libraries with a t64 suffix.
  grep -qxE "${want}(t64)?" <<<"$depends_names" || fail "Depends does not name $want (Depends: $depends)"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
for want in qt6-translations-l10n qt6-wayland; do
  grep -qw -- "$want" <<<"$recommends" || fail "Recommends does not name $want (Recommends: $recommends)"
done

# --- Archive listing ------------------------------------------------------

# Built with the prefix /usr, owned by root, nothing writable but by root.
while read -r perms owner _size _date _time path _rest; do
  path=${path#./}
  case $path in
    "" | usr | usr/*) ;;
    *) fail "$path lies outside /usr" ;;
  esac
  [ "$owner" = root/root ] || fail "$path is owned by $owner, not root/root"
  case $perms in
    ?????w???? | ????????w?) fail "$path is writable by group or others ($perms)" ;;
  esac
done < <(dpkg-deb -c "$deb")

if ! dpkg-deb -x "$deb" "$root"; then
  echo "check-package: FAIL: $deb does not unpack"
  exit 1
fi

# --- The program ----------------------------------------------------------

bin=$root/usr/bin/rungekutta
if [ ! -f "$bin" ]; then
  fail "usr/bin/rungekutta is missing"
else
  file -b "$bin" | grep -q '^ELF .*executable' || fail "usr/bin/rungekutta is not an ELF executable: $(file -b "$bin")"
  # A run path left over from the build tree would load libraries from there.
  if readelf -d "$bin" | grep -qE '\((RPATH|RUNPATH)\)'; then
    fail "usr/bin/rungekutta carries a run path: $(readelf -d "$bin" | grep -E 'RPATH|RUNPATH')"
  fi
  if ldd "$bin" | grep -q 'not found'; then
    fail "usr/bin/rungekutta needs libraries this machine lacks: $(ldd "$bin" | grep 'not found' | tr -s ' \t\n' ' ')"
  fi
  if [ ! -x "$bin" ]; then
    fail "usr/bin/rungekutta is not executable"
  else
    # The window must come up and wait for input; a crash or an early exit
    # (stripping or link-time optimisation gone wrong) ends it before it is told to.
    QT_QPA_PLATFORM=offscreen "$bin" >"$tmp/run.log" 2>&1 </dev/null &
    keeps_running $! 3 || fail "usr/bin/rungekutta, started offscreen: $stop_problem: $(head -c 400 "$tmp/run.log")"
    out=$(bash "$(dirname "$0")/check-command-line.sh" "$bin" "$(dpkg-deb -f "$deb" Version)") ||
      fail "usr/bin/rungekutta's command line: $out"
  fi
fi

# --- Menu entry -----------------------------------------------------------

desktop=$root/usr/share/applications/rungekutta.desktop
if [ ! -f "$desktop" ]; then
  fail "usr/share/applications/rungekutta.desktop is missing"
else
  if ! out=$(desktop-file-validate "$desktop" 2>&1) || grep -qE 'error:|warning:' <<<"$out"; then
    fail "desktop entry does not validate: $out"
  fi
  # desktop-file-validate checks the syntax only; the menu also needs the
  # command and the icon it names to be in the package.
  exec_cmd=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop" | head -n 1)
  [ -n "$exec_cmd" ] && [ -x "$root/usr/bin/$exec_cmd" ] ||
    fail "desktop entry runs '$exec_cmd', which the package does not put in /usr/bin"
  icon_name=$(sed -n 's/^Icon=//p' "$desktop" | head -n 1)
  if [ -z "$icon_name" ] || [ -z "$(find "$root/usr/share/icons/hicolor" -path "*/apps/$icon_name.*" 2>/dev/null)" ]; then
    fail "desktop entry shows icon '$icon_name', which the package does not put in the hicolor theme"
  fi
fi

# --- Icon -----------------------------------------------------------------

svg=$root/usr/share/icons/hicolor/scalable/apps/rungekutta.svg
if [ ! -f "$svg" ]; then
  fail "usr/share/icons/hicolor/scalable/apps/rungekutta.svg is missing"
elif ! out=$(xmllint --noout "$svg" 2>&1); then
  fail "icon is not well-formed XML: $out"
else
  # Icon loaders ignore an <svg> element outside the SVG namespace.
  element=$(xmllint --xpath 'local-name(/*)' "$svg" 2>/dev/null)
  namespace=$(xmllint --xpath 'namespace-uri(/*)' "$svg" 2>/dev/null)
  [ "$element" = svg ] && [ "$namespace" = http://www.w3.org/2000/svg ] ||
    fail "icon's root element is '$element' in namespace '$namespace', not an SVG image"
fi

# --- Debian documents -----------------------------------------------------

doc=$root/usr/share/doc/rungekutta
copyright=$doc/copyright
if [ ! -f "$copyright" ]; then
  fail "usr/share/doc/rungekutta/copyright is missing"
else
  head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "copyright file is not in the machine-readable format: $(head -n 1 "$copyright")"
  grep -qx 'License: Expat' "$copyright" || fail "copyright file names no Expat (MIT) licence"
fi
# A native package's changelog; its newest entry must be the version packaged.
changelog=$doc/changelog.gz
version=$(dpkg-deb -f "$deb" Version)
if [ ! -f "$changelog" ]; then
  fail "usr/share/doc/rungekutta/changelog.gz is missing"
elif ! head_line=$(gzip -dc "$changelog" | head -n 1) || [ "${head_line%%)*})" != "rungekutta ($version)" ]; then
  fail "changelog's newest entry is '$head_line', not version $version"
fi
manpage=$root/usr/share/man/man1/rungekutta.1.gz
if [ ! -f "$manpage" ]; then
  fail "usr/share/man/man1/rungekutta.1.gz is missing"
elif ! gzip -dc "$manpage" | grep -q '^\.SH EXIT STATUS'; then
  fail "manual page does not unpack or has no EXIT STATUS section"
fi

# --- Lint and software-centre metadata -------------------------------------

# Errors and warnings fail; informational and pedantic tags are shown for the
# record. (The note about running as root is lintian's, not a tag.) The
# .changes beside the .deb, where there is one, brings in the source package
# and the debug symbols as well.
lint_target=$deb
for changes in "$(dirname "$deb")/rungekutta_${version}_"*.changes; do
  [ -f "$changes" ] && lint_target=$changes
done
echo "lintian -I --pedantic $(basename "$lint_target"):"
lint_rc=0
lint=$(lintian --fail-on error,warning -I --pedantic "$lint_target" 2>&1) || lint_rc=$?
lint=$(grep -v '^running with root privileges' <<<"$lint")
sed 's/^/  /' <<<"${lint:-(no tags)}"
if [ "$lint_rc" -ne 0 ] || grep -q '^[EW]: ' <<<"$lint"; then
  fail "lintian reports errors or warnings (status $lint_rc)"
fi

# The one warning accepted: the id is not reverse-DNS, because it must match
# the menu entry and the package until the project has a domain to form one.
# The tree check also ties the metadata to the menu entry beside it.
metainfo=$root/usr/share/metainfo/rungekutta.metainfo.xml
if [ ! -f "$metainfo" ]; then
  fail "usr/share/metainfo/rungekutta.metainfo.xml is missing"
else
  for check in "validate --no-net $metainfo" "validate-tree --no-net $root"; do
    # shellcheck disable=SC2086
    out=$(appstreamcli $check 2>&1)
    echo "appstreamcli ${check//$root/<package>}:"
    sed 's/^/  /' <<<"$out"
    findings=$(grep -E '^ *[EWIP]: ' <<<"$out" | grep -vE '^ *W: rungekutta:[0-9]+: cid-desktopapp-is-not-rdns ')
    [ -z "$findings" ] || fail "appstreamcli $check: $findings"
  done
fi

if [ "$problems" -eq 0 ]; then
  echo "check-package: PASS $(basename "$deb") (Depends: $depends)"
else
  echo "check-package: FAIL $(basename "$deb"): $problems problem(s)"
  exit 1
fi
