#!/usr/bin/env bash
# --help and --version answer without a display and exit 0; the toolkit's
# own options still reach the toolkit.
#
#   scripts/check-command-line.sh path/to/rungekutta [version]
#
# The version is the newest in debian/changelog unless given.
set -uo pipefail
# shellcheck source=scripts/keeps-running.sh
source "$(dirname "$0")/keeps-running.sh"

program=${1:?usage: check-command-line.sh PROGRAM [VERSION]}
version=${2:-$(dpkg-parsechangelog -l "$(dirname "$0")/../debian/changelog" -S Version)}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
problems=0

# arguments | status | a line standard output must hold (extended regex)
# No display and the X11 platform: whatever tries to open a window fails.
# "waits": the window came up and waits for input; it must still be running
# after 3 s and end on SIGTERM. The others must exit by themselves; the
# timeout only bounds a hang.
while IFS='|' read -r args want_status want_line; do
  if [ "$want_status" = waits ]; then
    # shellcheck disable=SC2086
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" $args >"$out" 2>/dev/null </dev/null &
    if keeps_running $! 3; then status=waits; else status=$stop_problem; fi
  else
    # shellcheck disable=SC2086
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb timeout -k 2 10 "$program" $args >"$out" 2>/dev/null </dev/null
    status=$?
  fi
  want_line=${want_line//@VERSION@/${version//./\\.}}
  if [ "$status" != "$want_status" ] || { [ -n "$want_line" ] && ! grep -qxE -- "$want_line" "$out"; }; then
    echo "  problem: rungekutta $args: status $status (want $want_status), output: $(head -c 300 "$out")"
    problems=$((problems + 1))
  fi
done <<'CASES'
--version|0|rungekutta @VERSION@
-v|0|rungekutta @VERSION@
--help|0|  -v, --version +Show the version and exit\.
-h|0|  -platform name\[:options\] .*
-style Fusion --help|0|  -reverse +Lay the window out from right to left\.
-platform offscreen|waits|
-platform offscreen -qwindowtitle --version|waits|
-platform offscreen --qwindowtitle --help|waits|
--version --help|0|rungekutta @VERSION@
--help --version|0|Usage: rungekutta \[options\]
CASES

# Exactly one line for the version, as packaging tools read it.
[ "$(env -u DISPLAY "$program" --version)" = "rungekutta $version" ] || {
  echo "  problem: --version prints more than 'rungekutta $version'"
  problems=$((problems + 1))
}

if [ "$problems" -eq 0 ]; then
  echo "check-command-line: PASS"
else
  echo "check-command-line: FAIL: $problems problem(s)"
  exit 1
fi
