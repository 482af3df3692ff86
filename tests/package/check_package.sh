#!/usr/bin/env bash
# Builds the Debian package and checks it as a user's system would: apt can
# resolve it, its files are where they belong, the programs run from it,
# and desktop-file-validate, appstreamcli and lintian find no errors.
set -euo pipefail
build="$1"
cmake --build "$build" --target package >/dev/null
deb="$(ls "$build"/anglewise_*.deb)"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

apt-get install --simulate --no-install-recommends "$deb" >/dev/null 2>&1 ||
  fail "apt cannot install $deb: $(apt-get install --simulate "$deb" 2>&1 | tail -n 3)"
dpkg -x "$deb" "$root"
for file in usr/bin/anglewise usr/bin/anglewise-cli usr/lib/anglewise/anglewise \
  usr/lib/anglewise/anglewise-cli usr/lib/anglewise/helpanglewise.rtf \
  usr/lib/anglewise/anglewise-engine.so \
  usr/share/applications/io.github.anglewise.Anglewise.desktop \
  usr/share/metainfo/io.github.anglewise.Anglewise.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/anglewise.svg \
  usr/share/man/man1/anglewise.1.gz usr/share/man/man1/anglewise-cli.1.gz \
  usr/share/bash-completion/completions/anglewise-cli \
  usr/share/doc/anglewise/copyright usr/share/doc/anglewise/changelog.gz; do
  [ -e "$root/$file" ] || fail "the package has no $file"
done
[ "$(readlink "$root/usr/bin/anglewise-cli")" = "../lib/anglewise/anglewise-cli" ] ||
  fail "anglewise-cli on the PATH does not lead to the program"
"$root/usr/bin/anglewise-cli" solve --right X=3 Y=4 | grep -q "Z = 5" ||
  fail "the packaged anglewise-cli does not solve"
"$root/usr/bin/anglewise" --version | grep -q "^anglewise 2" || fail "anglewise --version"
zcat "$root/usr/share/man/man1/anglewise-cli.1.gz" | grep -q "^\.SH" || fail "no manual page"
bash -n "$root/usr/share/bash-completion/completions/anglewise-cli" || fail "completion syntax"
desktop-file-validate "$root/usr/share/applications/io.github.anglewise.Anglewise.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.anglewise.Anglewise.metainfo.xml" \
  >/dev/null || fail "appstreamcli validate"
lintian_out="$(lintian --allow-root "$deb" 2>&1 || true)"
if grep -q "^E:" <<<"$lintian_out"; then fail "lintian: $lintian_out"; fi
echo "package checks: $(basename "$deb") installs, runs and validates; lintian: ${lintian_out:-clean}"
