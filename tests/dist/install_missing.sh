#!/usr/bin/env bash
# The set-up's installing of missing packages (tools/install-missing.sh) while
# Debian's archive is in the middle of a sync. apt-get, dpkg-query, id and
# sleep are stood in for: nothing is installed and no time passes.
#   install_missing.sh TOOLS_DIR
set -uo pipefail
tools=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
failures=0

# apt-get answers each update and each install with the next word of
# $APT_UPDATE or $APT_INSTALL ("ok" or "fail"), as a mirror mid-sync does.
cat >"$work/bin/apt-get" <<'STUB'
#!/usr/bin/env bash
echo "$1" >>"$WORK/calls"
count=$(grep -c "^$1\$" "$WORK/calls")
if [ "$1" = update ]; then answers=($APT_UPDATE); else answers=($APT_INSTALL); fi
answer=${answers[count - 1]:-${answers[-1]}}
[ "$answer" = ok ] && exit 0
if [ "$1" = update ]; then
    echo "E: Failed to fetch http://deb.debian.org/debian/dists/bookworm/main/binary-amd64/Packages.xz  File has unexpected size (8789356 != 8789344). Mirror sync in progress?"
else
    echo "E: Unable to locate package ${*: -1}"
fi
exit 100
STUB
printf '#!/bin/sh\necho 0\n' >"$work/bin/id"
printf '#!/bin/sh\n[ -n "$INSTALLED" ] && echo "install ok installed"\n' >"$work/bin/dpkg-query"
printf '#!/bin/sh\necho "$1" >>"$WORK/slept"\n' >"$work/bin/sleep"
chmod +x "$work/bin/"*

# scenario NAME UPDATE INSTALL STATUS CALLS SLEPT [MESSAGE]: install_missing
# with those answers ends with STATUS, after those apt-get calls and waits,
# and says MESSAGE on its last line.
scenario() {
    local name=$1 update=$2 install=$3 status=$4 calls=$5 slept=$6 message=${7:-}
    rm -f "$work/calls" "$work/slept"
    touch "$work/calls" "$work/slept"
    (
        set -euo pipefail # as in ./dev and tools/windows/build
        export PATH="$work/bin:$PATH" WORK="$work" APT_UPDATE="$update" APT_INSTALL="$install"
        . "$tools/install-missing.sh"
        install_missing fonts-one fonts-two
    ) >"$work/out" 2>"$work/err"
    local got=$?
    local got_calls got_slept
    got_calls=$(tr '\n' ' ' <"$work/calls")
    got_slept=$(tr '\n' ' ' <"$work/slept")
    local fault=""
    [ "$got" -eq "$status" ] || fault+=" status $got, not $status;"
    [ "${got_calls% }" = "$calls" ] || fault+=" apt-get calls '${got_calls% }', not '$calls';"
    [ "${got_slept% }" = "$slept" ] || fault+=" waits '${got_slept% }', not '$slept';"
    [ -z "$message" ] || [ "$(tail -n 1 "$work/err")" = "$message" ] \
        || fault+=" last words '$(tail -n 1 "$work/err")';"
    if [ -n "$fault" ]; then
        echo "FAIL: $name:$fault"
        failures=$((failures + 1))
    else
        echo "PASS: $name"
    fi
}

scenario "the update fails, the lists on the machine do" \
    "fail" "ok" 0 "update install" ""
scenario "the archive is mid-sync for two tries" \
    "fail fail ok" "fail fail ok" 0 "update install update install update install" "30 60"
scenario "the archive stays broken: apt's own error, once" \
    "fail" "fail" 1 "update install update install update install update install" "30 60 120" \
    "Could not install fonts-one fonts-two. apt-get says: E: Failed to fetch http://deb.debian.org/debian/dists/bookworm/main/binary-amd64/Packages.xz  File has unexpected size (8789356 != 8789344). Mirror sync in progress? E: Unable to locate package fonts-two"
INSTALLED=1 scenario "nothing missing: apt-get is not called" \
    "ok" "ok" 0 "" ""

[ "$failures" -eq 0 ]
