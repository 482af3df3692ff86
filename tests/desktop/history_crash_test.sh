#!/usr/bin/env bash
# The history survives the program being killed: the real program on a
# desktop solves triangles, is killed with SIGKILL between entries, and
# every entry made before is in the file, whole. A torn record left by a
# kill mid-write is skipped on the next start with a note, and the program
# starts. Run through with_desktop.sh; the program's path is $1.
set -uo pipefail
program="$1"
home="$(mktemp -d)"
trap 'kill "${pid:-}" 2>/dev/null; rm -rf "$home"' EXIT
export XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
history="$XDG_DATA_HOME/anglewise/history.jsonl"
failures=0 passed=0
check() { if eval "$2"; then passed=$((passed + 1)); else echo "FAIL: $1"; failures=$((failures + 1)); fi; }
window() { xdotool search --name "$1" 2>/dev/null | tail -n 1 || true; }
lines() { [ -f "$history" ] && wc -l <"$history" || echo 0; }

start() {
  "$program" 2>/dev/null &
  pid=$!
  for _ in $(seq 150); do
    main="$(window "^Anglewise$")"
    [ -n "$main" ] && xwininfo -id "$main" | grep -q IsViewable && return 0
    sleep 0.1
  done
  return 1
}
# Places in the window's client area at 96 DPI, from its designed layout.
click() { xdotool mousemove --window "$main" "$1" "$2" click 1; sleep 0.1; }
solveRight() {  # X and Y of a right triangle, then Display
  click 266 52
  click 300 104; xdotool key ctrl+a type "$1"; click 256 102
  click 300 136; xdotool key ctrl+a type "$2"; click 256 134
  click 472 62
}

check "the program starts" start
before=$(lines)
solveRight 3 4
for _ in $(seq 50); do [ "$(lines)" -gt "$before" ] && break; sleep 0.1; done
click 472 120  # Clear
for _ in $(seq 50); do [ "$(lines)" -gt $((before + 1)) ] && break; sleep 0.1; done
solveRight 5 12
for _ in $(seq 50); do [ "$(lines)" -gt $((before + 2)) ] && break; sleep 0.1; done
kill -KILL "$pid"
wait "$pid" 2>/dev/null
check "three entries before the kill are all there" '[ "$(lines)" -eq 3 ]'
check "every record is whole JSON" \
  'python3 -c "import json,sys; [json.loads(l) for l in open(sys.argv[1])]" "$history"'

# A record torn by a kill mid-write: the next start leaves it out, says so.
printf '{"id":{"anglewise":"entry","version":1,"time":"2026' >>"$history"
check "the program starts after a torn record" start
for _ in $(seq 50); do note="$(window "^History$")"; [ -n "$note" ] && break; sleep 0.1; done
check "a note tells of the record left out" '[ -n "$note" ]'
check "the torn record is gone and the whole ones stay" '[ "$(lines)" -eq 3 ] && [ "$(tail -c 1 "$history" | od -An -c | tr -d " ")" = "\n" ]'
kill "$pid" 2>/dev/null
echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
