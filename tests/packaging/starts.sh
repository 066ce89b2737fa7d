#!/usr/bin/env bash
# Starts PROGRAM on an X server of its own, away from the machine's printers,
# and checks that its main window appears with an icon and stays up.
# Usage: starts.sh PROGRAM
set -euo pipefail
program=$1
scratch=$(mktemp -d)
xvfb_pid=""
program_pid=""
cleanup() {
  [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  wait
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ ! -s "$scratch/program.log" ] || { echo "--- the program said:" >&2; cat "$scratch/program.log" >&2; }
  exit 1
}

# Xvfb takes the first free display itself and writes its number when ready,
# so tests running side by side never race for one.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 200); do
  [ ! -s "$scratch/display" ] || break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$scratch/xvfb.log" >&2; fail "Xvfb did not start"; }
  sleep 0.1
done
[ -s "$scratch/display" ] || fail "Xvfb gave no display number"
export DISPLAY=:$(cat "$scratch/display")

mkdir -m 700 "$scratch/runtime"
QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$scratch/runtime HOME=$scratch \
  CUPS_SERVER=$scratch/no-print-system.sock \
  "$program" >"$scratch/program.log" 2>&1 &
program_pid=$!

window=$(timeout 20 xdotool search --sync --name '^Tavelo$' | head -n 1) || true
[ -n "$window" ] || fail "no window titled Tavelo within 20 s"
xprop -id "$window" _NET_WM_ICON >"$scratch/icon"
grep -q '^_NET_WM_ICON(CARDINAL) = ' "$scratch/icon" || fail "the window has no icon"
sleep 2
kill -0 "$program_pid" 2>/dev/null || fail "the program ended on its own"
