# Sourced by the package checks: sets `deb` from a build folder holding one
# rungekutta_*.deb, or from the path of a .deb itself. $1 is the argument,
# $2 the name the failure is reported under.
find_deb() {
  if [ -d "$1" ]; then
    local debs
    shopt -s nullglob
    debs=("$1"/rungekutta_*.deb)
    shopt -u nullglob
    if [ "${#debs[@]}" -ne 1 ]; then
      echo "$2: FAIL: expected one rungekutta_*.deb in $1, found ${#debs[@]}"
      exit 1
    fi
    deb=${debs[0]}
  else
    deb=$1
  fi
}
