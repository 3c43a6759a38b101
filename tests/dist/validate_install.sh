#!/usr/bin/env bash
# Installs the program into a scratch prefix and validates its desktop entry
# and AppStream metainfo as a software centre would read them.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/kintroa"
desktop=$(echo "$prefix"/share/applications/*.desktop)
metainfo=$(echo "$prefix"/share/metainfo/*.metainfo.xml)
desktop-file-validate "$desktop"
appstreamcli validate --no-net --pedantic "$metainfo"
grep -q '<release version="8.0.0"' "$metainfo"
# The manual page, compressed and carrying the version and release date.
manual="$prefix/share/man/man1/kintroa.1.gz"
gzip -t "$manual"
zcat "$manual" | grep -q '^\.TH KINTROA 1 "[0-9]\{4\}-[0-9]\{2\}-[0-9]\{2\}" "KIntroA 8\.0\.0"'
echo "installed and valid: $(basename "$desktop"), $(basename "$metainfo"), $(basename "$manual")"
