#!/usr/bin/env bash
# The installed package as a normal user meets it: apt installs the .deb,
# a user who is not root starts the real program under Xvfb with openbox,
# prints through the Page Setup dialog to a PDF file, and the page is read
# back; the report opens (its engine loaded from the program's folder);
# then apt purges the package and none of its files stay behind.
# A triangle file in the user's home is then known by its type and opens
# in the program with xdg-open, as a double click in a file manager does.
# Needs root (to install and to make the user); skipped otherwise.
set -euo pipefail
build="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
[ "$(id -u)" -eq 0 ] || { echo "SKIP: installing the package needs root"; exit 77; }
user=anglewise-user
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --build "$build" --target package >/dev/null
deb="$(realpath "$(ls "$build"/anglewise_*.deb)")"
cleanup() {
  apt-get purge -y -qq anglewise >/dev/null 2>&1 || true
  userdel -r "$user" >/dev/null 2>&1 || true
}
trap cleanup EXIT
id "$user" >/dev/null 2>&1 || useradd -m "$user"
home="$(getent passwd "$user" | cut -d: -f6)"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null ||
  fail "apt could not install $deb"

# A triangle file of one entry, as the History window saves it.
cat >"$home/set.anglewise" <<'TRIANGLES'
{"id":{"anglewise":"triangles","version":1},"actions":[]}
{"id":{"anglewise":"entry","version":1,"time":"2026-12-06T17:40:05Z","action":"display","kind":"right","notation":"decimal","places":12,"obtuse":false,"typed":{"X":"3","Y":"4"},"ticked":["X","Y"],"results":[],"messages":[],"consistent":true},"actions":[["click","Clearthebaord"],["click","opt90D"],["click","Option1"],["menu","mnu12places"],["type","Text1","3"],["click","Check1"],["type","Text2","4"],["click","Check2"],["click","displaynow"]]}
TRIANGLES
chown "$user" "$home/set.anglewise"
type="$(runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin xdg-mime query filetype "$home/set.anglewise")"
[ "$type" = application/x-anglewise-triangles ] || fail "a .anglewise file is of type \"$type\""

# On the desktop: start, Print > Print Display, accept the dialog's
# "Print to File (PDF)" and its file in the user's home, open the report,
# close.
"$here/../desktop/with_desktop.sh" bash -c '
  set -euo pipefail
  user="$1" home="$2"
  runtime="$(mktemp -d)"; chown "$user" "$runtime"; chmod 700 "$runtime"
  runuser -u "$user" -- env -i DISPLAY="$DISPLAY" HOME="$home" XDG_RUNTIME_DIR="$runtime" \
    PATH=/usr/bin:/bin sh -c "cd && exec anglewise" >"$runtime/anglewise.log" 2>&1 &
  window() { xdotool search --name "$1" 2>/dev/null | tail -n 1 || true; }
  # A busy machine can leave the window manager a moment behind: try again.
  activate() {
    for _ in $(seq 25); do xdotool windowactivate --sync "$1" 2>/dev/null && return 0; sleep 0.2; done
    echo "the window manager never activated window $1" >&2
    return 1
  }
  for _ in $(seq 150); do
    main="$(window "^Anglewise$")"
    [ -n "$main" ] && xwininfo -id "$main" | grep -q IsViewable && break
    sleep 0.2
  done
  [ -n "$main" ] || { echo "the main window never showed" >&2; exit 1; }
  activate "$main"
  xdotool key --clearmodifiers alt+p
  sleep 0.3
  xdotool key Return
  for _ in $(seq 100); do dialog="$(window "^Page Setup$")"; [ -n "$dialog" ] && break; sleep 0.1; done
  [ -n "$dialog" ] || { echo "the Page Setup dialog never opened" >&2; exit 1; }
  sleep 0.5
  activate "$dialog"
  xdotool key Return
  for _ in $(seq 100); do [ -s "$home/print.pdf" ] && break; sleep 0.1; done
  sleep 0.5
  # The report, made by the engine the program loads from its own folder.
  activate "$main"
  xdotool key --clearmodifiers ctrl+r
  for _ in $(seq 100); do report="$(window "^Triangle Report$")"; [ -n "$report" ] && break; sleep 0.1; done
  [ -n "$report" ] || { echo "Ctrl+R showed no Triangle Report" >&2; exit 1; }
  wmctrl -i -c "$main"
  wait
  runuser -u "$user" -- env -i DISPLAY="$DISPLAY" HOME="$home" XDG_RUNTIME_DIR="$runtime" \
    PATH=/usr/bin:/bin xdg-open "$home/set.anglewise" >"$runtime/open.log" 2>&1 &
  for _ in $(seq 150); do
    opened="$(window "^History - set.anglewise$")"
    [ -n "$opened" ] && break
    sleep 0.2
  done
  [ -n "$opened" ] || { echo "xdg-open did not open the triangle file in Anglewise" >&2; exit 1; }
  wmctrl -i -c "$(window "^Anglewise$")"
  wait
' _ "$user" "$home" || fail "printing or opening a file as $user on the desktop did not work"

page="$(pdftotext -layout "$home/print.pdf" -)" || fail "no readable page at $home/print.pdf"
grep -q "Anglewise" <<<"$page" || fail "the page has no title: $page"
for label in "X =" "A Angle =" "Height =" "Area ="; do
  grep -q "$label" <<<"$page" || fail "the page has no \"$label\" line"
done
[ "$(pdfimages -list "$home/print.pdf" | tail -n +3 | wc -l)" -ge 1 ] || fail "no figure on the page"
own="$home/.local/share/anglewise"
[ -s "$own/pic.bmp" ] || fail "the figure bitmap is not in the user's own folder $own"
[ "$(readlink "$own/helpanglewise.rtf")" = /usr/lib/anglewise/helpanglewise.rtf ] ||
  fail "the user's folder does not link the installed help file"
[ ! -e /usr/lib/anglewise/pic.bmp ] || fail "pic.bmp was written into the package's folder"

# The Python module, for Debian's own interpreter, as the same user.
zrad="$(cd "$home" && runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin /usr/bin/python3 -c \
  'import anglewise; print(anglewise.window_solve("right", X=3, Y=4)["captions"]["zrad"])')" ||
  fail "python3 cannot import the installed anglewise"
[ "$zrad" = " 5" ] || fail "the installed anglewise solved 3, 4 to Z = \"$zrad\""

apt-get purge -y -qq anglewise >/dev/null || fail "apt could not purge the package"
[ ! -e /usr/lib/anglewise ] || fail "purge left /usr/lib/anglewise: $(ls -A /usr/lib/anglewise)"
[ ! -e /usr/lib/python3/dist-packages/anglewise ] || fail "purge left the Python module"
echo "package printed as $user: $(wc -c <"$home/print.pdf") byte page; purge left nothing"
