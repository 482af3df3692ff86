#!/usr/bin/env bash
# anglewise-cli's manual page as man shows it, against the real program:
# every option each command's --help lists is described under that command,
# every CSV column batch reads or writes is named, the exit statuses are
# there, and the examples stand one a line and run.
# Usage: manual_test.sh ANGLEWISE_CLI MANUAL_PAGE
set -euo pipefail
cli="$1"
page="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" >"$work/manual"
warnings="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)"
[ -z "$warnings" ] || fail "man warns: $warnings"

# The lines of one part of the manual: a section (NAME) or a command's
# subsection (solve), up to the next heading of either kind.
part() {
  awk -v name="$1" '
    /^[A-Z]/ || /^   [a-z]/ { inside = ($0 == name || index($0, "   " name " ") == 1) ; next }
    inside' "$work/manual"
}

# The options a --help text lists: the first word of each line under
# "Options:", such as "-h,--help".
options() { awk '/^Options:/ { on = 1; next } /^$/ { on = 0 } on { print $1 }' | tr ',' '\n'; }

for option in $("$cli" --help | options); do
  grep -qwF -- "$option" <(part OPTIONS) || fail "OPTIONS does not describe $option"
done
for command in script solve batch history; do
  "$cli" --help | grep -qE "^  $command " || fail "--help does not list $command"
  [ -n "$(part "$command")" ] || fail "the manual has no part for $command"
  for option in $("$cli" "$command" --help | options); do
    case "$option" in -h | --help) where=DESCRIPTION ;; *) where="$command" ;; esac
    grep -qwF -- "$option" <(part "$where") || fail "$command's $option is not in $where"
  done
done

# batch's columns as the program itself names them: the input's from the
# sentence refusing an unknown one, the output's from a header it writes.
status=0
printf 'bogus\n' | "$cli" batch 2>"$work/refusal" >/dev/null || status=$?
[ "$status" -eq 2 ] || fail "an unknown column exits $status, not 2"
inputs="$(sed -n 's/.*the columns are //p' "$work/refusal" | sed 's/\.$//; s/, / /g; s/ and / /')"
[ -n "$inputs" ] || fail "batch did not name its columns"
outputs="$(printf 'kind,X,Y\nright,3,4\n' | "$cli" batch --report | head -n 1 | tr -d '\r' | tr ',' ' ')"
[ "$(wc -w <<<"$outputs")" -gt 20 ] || fail "batch wrote no header: $outputs"
for column in $inputs $outputs; do
  grep -qwF -- "$column" <(part batch) || fail "batch's column $column is not in the manual"
done

for status in 0 1 2 3; do
  grep -qE "^       $status  " <(part "EXIT STATUS") || fail "exit status $status is not explained"
done

version="$("$cli" --version)"
tail -n 1 "$work/manual" | grep -qF "$version" || fail "the footer does not say $version"

# One example a line, each a whole command that runs as written.
part EXAMPLES | sed 's/^ *//' | grep -v '^$' >"$work/examples"
[ "$(wc -l <"$work/examples")" -ge 4 ] || fail "fewer than four examples"
mkdir "$work/run" "$work/bin"
ln -s "$(realpath "$cli")" "$work/bin/anglewise-cli"
head -n 3 "$(dirname "$0")/../golden/sessions.jsonl" >"$work/run/sessions.jsonl"
printf 'id,kind,X,Y,Z,A,B\nlegs,right,3,4,,,\nsides,oblique,5,6,7,,\n' >"$work/run/triangles.csv"
while IFS= read -r example; do
  if [ "$(grep -o 'anglewise-cli' <<<"$example" | wc -l)" -ne 1 ] ||
    [[ $example != anglewise-cli\ * ]]; then
    fail "not one command on its line: $example"
    continue
  fi
  (cd "$work/run" && PATH="$work/bin:$PATH" bash -c "$example" >/dev/null 2>"$work/err") ||
    fail "exits $? : $example: $(cat "$work/err")"
done <"$work/examples"

[ "$failures" -eq 0 ] || exit 1
echo "manual: every option, column and exit status described; $(wc -l <"$work/examples") examples run"
