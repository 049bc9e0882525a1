# shellcheck shell=bash
# Sourced by the checks that start the program and expect it to wait for
# input. `keeps_running PID SECONDS` passes only when the program, a child of
# this shell, is still running after SECONDS and then ends on SIGTERM the way
# an untouched program does (status 143) within 5 s. Otherwise it returns 1
# with the reason in `stop_problem`. Either way the program has ended.
# shellcheck disable=SC2034 # stop_problem is the callers' to read
keeps_running() {
  local pid=$1 settle=$2 status
  stop_problem=''
  # Polled, so that a program that ends early is reported at once.
  for _ in $(seq $((settle * 10))); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    status=$?
    stop_problem="it ended by itself with status $status within ${settle} s"
    return 1
  fi
  kill -TERM "$pid"
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid"
    wait "$pid"
    stop_problem="it did not end within 5 s of SIGTERM"
    return 1
  fi
  wait "$pid"
  status=$?
  if [ "$status" -ne 143 ]; then
    stop_problem="it ended with status $status on SIGTERM, not 143"
    return 1
  fi
}
