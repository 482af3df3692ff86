#!/usr/bin/env bash
# scripts/check-layers catches an include against the layers whatever its
# spelling, in a file git does not know yet, and passes the tree as it is.
set -uo pipefail
source_root="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for folder in $(cd "$source_root" && ls -d */ | grep -v "^build"); do
  cp -r "$source_root/$folder" "$work/"
done
failures=0 passed=0
if "$source_root/scripts/check-layers" "$work"; then
  passed=1
else
  echo "FAIL: the tree as it is"
  failures=1
fi
spellings=(
  '#include "mainwindow/main_window.h"'
  '#include <mainwindow/main_window.h>'
  '#include "../mainwindow/main_window.h"'
  '  #  include "mainwindow/main_window.h"'
  '#include "mainwindow/not_written_yet.h"'
)
for spelling in "${spellings[@]}"; do
  planted="$work/solver/planted_$RANDOM.cpp"  # a new file, unknown to git
  printf '%s\n' "$spelling" >"$planted"
  if "$source_root/scripts/check-layers" "$work" 2>/dev/null; then
    echo "FAIL: solver/ including upwards as [$spelling] passed"
    failures=$((failures + 1))
  else
    passed=$((passed + 1))
  fi
  rm "$planted"
done
echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
