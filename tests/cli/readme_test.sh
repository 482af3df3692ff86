#!/usr/bin/env bash
# The README's commands run as written: every line of its ```sh blocks that
# starts with build/ runs from a folder where build leads to the real build
# folder and the input files it names are at hand, and exits 0.
# Usage: readme_test.sh README BUILD_FOLDER
set -euo pipefail
readme="$1"
build="$2"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

awk '/^```/ { block = ($0 == "```sh"); next } block && /^build\// { print }' "$readme" \
  >"$work/commands"
count="$(wc -l <"$work/commands")"
[ "$count" -ge 5 ] || { echo "FAIL: only $count build/ commands in $readme" >&2; exit 1; }

ln -s "$(realpath "$build")" "$work/build"
while IFS= read -r command; do
  # The files it reads: a sessions or CSV file not written by the command.
  read -ra words <<<"$command"
  previous=""
  for word in "${words[@]}"; do
    case "$previous" in '>' | --svg | --png | --pdf) previous="$word"; continue ;; esac
    case "$word" in
      *.jsonl) head -n 3 "$here/../golden/sessions.jsonl" >"$work/$word" ;;
      *.csv) printf 'id,kind,X,Y,Z,A,B,obtuse\nlegs,right,3,4,,,,\nboth,oblique,10,6,,30,,1\n' \
        >"$work/$word" ;;
    esac
    previous="$word"
  done
  status=0
  (cd "$work" && bash -c "$command") >/dev/null 2>"$work/err" || status=$?
  if [ "$status" -ne 0 ]; then
    echo "FAIL: exit $status: $command" >&2
    cat "$work/err" >&2
    failures=$((failures + 1))
  fi
done <"$work/commands"

[ "$failures" -eq 0 ] || exit 1
echo "README: all $count build/ commands ran"
