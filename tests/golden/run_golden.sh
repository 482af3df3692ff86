#!/usr/bin/env bash
# Golden answers of the real command line: the window scripts in
# sessions.jsonl and the `solve` lines in solve_cases.txt, played through
# anglewise-cli and compared byte for byte with the committed answers.
# With --update the answers are written anew (a changed answer is a changed
# window: review the diff before committing it).
set -euo pipefail
cli="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

status=0
"$cli" script "$here/sessions.jsonl" >"$work/answers.jsonl" || status=$?
echo "exit $status" >>"$work/answers.jsonl"

while IFS= read -r args; do
  [ -n "$args" ] || continue
  status=0
  # shellcheck disable=SC2086  # the line holds the words of one command
  "$cli" $args >"$work/out" 2>"$work/err" || status=$?
  { echo "\$ anglewise-cli $args"; cat "$work/out"; echo "--- stderr"; cat "$work/err";
    echo "--- exit $status"; } >>"$work/solve.txt"
done <"$here/solve_cases.txt"

if [ "${2:-}" = "--update" ]; then
  cp "$work/answers.jsonl" "$here/answers.jsonl"
  cp "$work/solve.txt" "$here/solve_answers.txt"
  exit 0
fi
failed=0
diff -u "$here/answers.jsonl" "$work/answers.jsonl" >"$work/diff1" || { head -c 4000 "$work/diff1"; failed=1; }
diff -u "$here/solve_answers.txt" "$work/solve.txt" || failed=1
if [ "$failed" -eq 0 ]; then echo "golden answers: all the same"; fi
exit "$failed"
