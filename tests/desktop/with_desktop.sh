#!/usr/bin/env bash
# Runs a command on a real X display with a real window manager: a private
# Xvfb (the first free display number) with openbox, both ended afterwards.
set -euo pipefail
[ "$#" -gt 0 ] || { echo "usage: with_desktop.sh COMMAND [ARGS...]" >&2; exit 2; }
work="$(mktemp -d)"
cleanup() {
  kill "${wm_pid:-}" "${x_pid:-}" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
exec {fd}>"$work/display"
Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
x_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$work/display")"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
# The window manager is ready once it has claimed the screen.
for _ in $(seq 200); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"
"$@"
