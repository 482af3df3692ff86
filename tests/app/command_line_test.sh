#!/usr/bin/env bash
# The desktop program started from a terminal: without a display it says
# so in one sentence and exits 2 instead of aborting; an unknown option is
# a usage error; --help and --version answer without a display.
set -uo pipefail
program="$1"
failures=0
runtime="$(mktemp -d)"
trap 'rm -rf "$runtime"' EXIT
check() {  # name, expected status, expected text on standard error, command...
  local name="$1" status="$2" text="$3"
  shift 3
  local err got
  err="$("$@" 2>&1 >/dev/null)"
  got=$?
  if [ "$got" -ne "$status" ] || ! grep -qF -- "$text" <<<"$err"; then
    echo "FAIL $name: status $got (want $status), said: $err" >&2
    failures=$((failures + 1))
  fi
  [ "$(wc -l <<<"$err")" -le 1 ] || { echo "FAIL $name: more than one line: $err" >&2; failures=$((failures + 1)); }
}
check "no display" 2 "anglewise: needs a graphical display" \
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program"
check "a display that does not answer" 2 "anglewise-cli" \
  env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:4095 "$program"
check "unknown option" 2 "anglewise: unknown option --bogus" \
  env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" "$program" --bogus
check "help without a display" 0 "" env -u DISPLAY "$program" --help
"$program" --version | grep -qx "anglewise [0-9.]*" || { echo "FAIL version" >&2; failures=$((failures + 1)); }
echo "$((5 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
