#!/usr/bin/env bash
# Starts the program on a headless Weston with Qt's Wayland platform and
# checks that its window comes up there, with its title and the application
# id of its menu entry, and that it keeps running until it is terminated.
#
#   scripts/check-wayland.sh build/rungekutta
#
# Without weston it skips (status 77), except under CI, where it fails.
set -uo pipefail
# shellcheck source=scripts/keeps-running.sh
source "$(dirname "$0")/keeps-running.sh"

program=${1:?usage: check-wayland.sh PROGRAM}
up_limit=30 # seconds for the window to show; a sanitized build is slow to start
settle=3    # seconds it must then keep running

if ! command -v weston >/dev/null; then
  if [ -n "${CI:-}" ]; then
    echo "check-wayland: FAIL: weston is not installed (scripts/install-deps.sh installs it)"
    exit 1
  fi
  echo "check-wayland: SKIP: weston is not installed (scripts/install-deps.sh installs it)"
  exit 77
fi
if [ ! -x "$program" ]; then
  echo "check-wayland: FAIL: $program is not built"
  exit 1
fi

tmp=$(mktemp -d)
weston_pid='' program_pid=''
cleanup() {
  [ -n "$program_pid" ] && kill -KILL "$program_pid" 2>/dev/null
  if [ -n "$weston_pid" ]; then
    kill -TERM "$weston_pid" 2>/dev/null
    wait "$weston_pid" 2>/dev/null
  fi
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
  echo "check-wayland: FAIL: $*"
  for log in "$tmp"/weston.log "$tmp"/program.err; do
    [ -s "$log" ] && { echo "--- $(basename "$log") (last lines)"; tail -n 15 "$log"; }
  done
  exit 1
}

# Weston's socket and Qt's runtime files go in a folder of this run alone.
export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
socket=rungekutta-check-$$
# The kiosk shell starts no panel or keyboard clients of its own, which
# would fail without a seat. Weston runs as root as it is.
weston --backend=headless-backend.so --shell=kiosk-shell.so --no-config --idle-time=0 \
  --socket="$socket" >"$tmp/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
  [ -S "$XDG_RUNTIME_DIR/$socket" ] || ! kill -0 "$weston_pid" 2>/dev/null && break
  sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || fail "weston did not start"

# No X display to fall back on; the client's protocol log shows what reaches
# the compositor.
env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$socket" WAYLAND_DEBUG=client \
  "$program" >"$tmp/program.out" 2>"$tmp/program.err" &
program_pid=$!

title='xdg_toplevel@[0-9]+\.set_title\("RungeKutta"\)'
app_id='xdg_toplevel@[0-9]+\.set_app_id\("rungekutta"\)'
deadline=$((SECONDS + up_limit))
until grep -qE "$title" "$tmp/program.err" && grep -qE "$app_id" "$tmp/program.err"; do
  kill -0 "$program_pid" 2>/dev/null || fail "the program ended before its window showed"
  [ "$SECONDS" -lt "$deadline" ] || fail "no window titled RungeKutta with the application id rungekutta within ${up_limit} s"
  sleep 0.2
done
keeps_running "$program_pid" "$settle"
kept=$?
program_pid=''
[ "$kept" -eq 0 ] || fail "after its window showed, $stop_problem"

# Anything the program printed besides the protocol log is a complaint.
if grep -qv '^\[' "$tmp/program.err" "$tmp/program.out"; then
  fail "the program printed: $(grep -hv '^\[' "$tmp/program.err" "$tmp/program.out" | head -n 5)"
fi

grep -hoE "$title|$app_id" "$tmp/program.err" | sed 's/^/  /'
echo "check-wayland: PASS: $(basename "$program") came up on Wayland, ran ${settle} s, ended on SIGTERM"
