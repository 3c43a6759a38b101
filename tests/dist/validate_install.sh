#!/usr/bin/env bash
# Installs the program into a scratch prefix and validates its desktop entry,
# icons and AppStream metainfo as a software centre would read them.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/kintroa"
desktop=$(echo "$prefix"/share/applications/*.desktop)
metainfo=$(echo "$prefix"/share/metainfo/*.metainfo.xml)
desktop-file-validate "$desktop"
# The entry's icon in every size the software centres and panels ask for.
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png"
    test -f "$png" || { echo "missing icon $png" >&2; exit 1; }
    test "$(identify -format '%wx%h' "$png")" = "${size}x${size}" || { echo "$png is not ${size}x${size}" >&2; exit 1; }
done
appstreamcli validate --no-net --pedantic "$metainfo"
grep -q '<release version="8.0.0"' "$metainfo"
# The manual page, compressed and carrying the version and release date.
manual="$prefix/share/man/man1/kintroa.1.gz"
gzip -t "$manual"
zcat "$manual" | grep -q '^\.TH KINTROA 1 "[0-9]\{4\}-[0-9]\{2\}-[0-9]\{2\}" "KIntroA 8\.0\.0"'
# The keying scheme's input methods, where m17n's database is under the prefix.
for method in hi-korvani bn-korvani gu-korvani pa-korvani; do
    grep -q "^(input-method ${method%-*} korvani)" "$prefix/share/m17n/$method.mim" ||
        { echo "no input method $prefix/share/m17n/$method.mim" >&2; exit 1; }
done
echo "installed and valid: $(basename "$desktop"), $(basename "$metainfo"), $(basename "$manual")"
