#!/usr/bin/env bash
# The set-up's installing of missing packages and fetching of source packages
# (tools/install-missing.sh): failures on the archive's side or the
# machine's are tried again, failures that no wait mends stop at once.
# apt-get, dpkg-query, id and sleep are stood in for: nothing is installed
# and no time passes.
#   install_missing.sh TOOLS_DIR
set -uo pipefail
tools=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
failures=0

# apt-get answers each update, install and source with the next word of
# $APT_UPDATE, $APT_INSTALL or $APT_SOURCE (the last word once they run
# out): "ok", or the failure to plant, in apt's own words.
cat >"$work/bin/apt-get" <<'STUB'
#!/usr/bin/env bash
echo "$1" >>"$WORK/calls"
count=$(grep -c "^$1\$" "$WORK/calls")
case $1 in
update) answers=($APT_UPDATE) ;;
install) answers=($APT_INSTALL) ;;
source) answers=($APT_SOURCE) ;;
esac
answer=${answers[count - 1]:-${answers[-1]}}
name=${*: -1}
package=${name%%=*}
case $answer in
ok) exit 0 ;;
sync) echo "E: Failed to fetch http://deb.debian.org/debian/dists/bookworm/main/binary-amd64/Packages.xz  File has unexpected size (8789356 != 8789344). Mirror sync in progress?" ;;
lists-lock)
    echo "E: Could not get lock /var/lib/apt/lists/lock. It is held by process 4242 (apt-get)"
    echo "E: Unable to lock directory /var/lib/apt/lists/" ;;
hash)
    echo "E: Failed to fetch http://deb.debian.org/debian/pool/main/f/$package/${package}_1.0-1_all.deb  Hash Sum mismatch"
    echo "E: Unable to fetch some archives, maybe run apt-get update or try with --fix-missing?" ;;
gone) echo "E: Failed to fetch http://deb.debian.org/debian/pool/main/f/$package/${package}_1.0-1_all.deb  404  Not Found [IP: 151.101.2.132 80]" ;;
dpkg-lock)
    echo "E: Could not get lock /var/lib/dpkg/lock-frontend. It is held by process 4242 (apt-get)"
    echo "E: Unable to acquire the dpkg frontend lock (/var/lib/dpkg/lock-frontend), is another process using it?" ;;
missing) echo "E: Unable to locate package $package" ;;
candidate)
    echo "Package $package is not available, but is referred to by another package."
    echo "E: Package '$package' has no installation candidate" ;;
conflict)
    echo "Some packages could not be installed. This may mean that you have"
    echo "The following packages have unmet dependencies:"
    echo " $package : Conflicts: fonts-one but 1.0-1 is to be installed"
    echo "E: Unable to correct problems, you have held broken packages." ;;
version)
    echo "E: Can not find version '${name#*=}' of package '$package'"
    echo "E: Unable to find a source package for $package" ;;
*) echo "the stub has no answer $answer" ;;
esac
exit 100
STUB
printf '#!/bin/sh\necho 0\n' >"$work/bin/id"
printf '#!/bin/sh\n[ -n "$INSTALLED" ] && echo "install ok installed"\n' >"$work/bin/dpkg-query"
printf '#!/bin/sh\necho "$1" >>"$WORK/slept"\n' >"$work/bin/sleep"
chmod +x "$work/bin/"*

# scenario NAME UPDATE INSTALL STATUS CALLS SLEPT [MESSAGE]: install_missing
# with those answers ends with STATUS, after those apt-get calls and waits,
# and says MESSAGE on its last line. $RUN, where set, is run instead of
# install_missing, with $APT_SOURCE as the answers to apt-get source.
scenario() {
    local name=$1 update=$2 install=$3 status=$4 calls=$5 slept=$6 message=${7:-}
    rm -f "$work/calls" "$work/slept"
    touch "$work/calls" "$work/slept"
    (
        set -euo pipefail # as in ./dev and tools/windows/build
        export PATH="$work/bin:$PATH" WORK="$work" APT_UPDATE="$update" APT_INSTALL="$install"
        export APT_SOURCE="${APT_SOURCE:-ok}"
        . "$tools/install-missing.sh"
        ${RUN:-install_missing fonts-one fonts-two}
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

twice="update install update install"
thrice="$twice update install"
all="$thrice update install"

scenario "the update fails, the lists on the machine do" \
    "sync" "ok" 0 "update install" ""
scenario "the archive is mid-sync for two tries" \
    "sync sync ok" "missing missing ok" 0 "$thrice" "30 60"
scenario "the archive stays broken: apt's own error, once" \
    "sync" "missing" 1 "$all" "30 60 120" \
    "Could not install fonts-one fonts-two. apt-get says: E: Failed to fetch http://deb.debian.org/debian/dists/bookworm/main/binary-amd64/Packages.xz  File has unexpected size (8789356 != 8789344). Mirror sync in progress? E: Unable to locate package fonts-two"

# Failures that a wait may mend, with lists just updated.
scenario "a package's fetch fails its hash" \
    "ok" "hash ok" 0 "$twice" "30"
scenario "a package is gone from a mirror mid-sync" \
    "ok" "gone gone ok" 0 "$thrice" "30 60"
scenario "another apt holds the dpkg lock" \
    "ok" "dpkg-lock ok" 0 "$twice" "30"
scenario "another apt holds the lists' lock, and then dpkg's" \
    "lists-lock ok" "dpkg-lock ok" 0 "$twice" "30"
scenario "another apt holds the lock throughout" \
    "ok" "dpkg-lock" 1 "$all" "30 60 120" \
    "Could not install fonts-one fonts-two. apt-get says: E: Could not get lock /var/lib/dpkg/lock-frontend. It is held by process 4242 (apt-get) E: Unable to acquire the dpkg frontend lock (/var/lib/dpkg/lock-frontend), is another process using it?"

# Failures that no wait mends: at once, naming the package.
scenario "a package that does not exist" \
    "ok" "missing" 1 "update install" "" \
    "Could not install fonts-one fonts-two, and no wait will change that. apt-get says: E: Unable to locate package fonts-two"
scenario "a package with nothing to install" \
    "ok" "candidate" 1 "update install" "" \
    "Could not install fonts-one fonts-two, and no wait will change that. apt-get says: E: Package 'fonts-two' has no installation candidate"
scenario "packages that conflict" \
    "ok" "conflict" 1 "update install" "" \
    "Could not install fonts-one fonts-two, and no wait will change that. apt-get says: fonts-two : Conflicts: fonts-one but 1.0-1 is to be installed E: Unable to correct problems, you have held broken packages."
scenario "a package missing after a failed fetch, then missing with fresh lists" \
    "sync ok" "hash missing" 1 "$twice" "30" \
    "Could not install fonts-one fonts-two, and no wait will change that. apt-get says: E: Unable to locate package fonts-two"

INSTALLED=1 scenario "nothing missing: apt-get is not called" \
    "ok" "ok" 0 "" ""

# The Windows build's source package of Qt, fetched in the same way.
fetch_qt() {
    with_fresh_package_lists "fetch the source package qt6-base" fetch_source "$work" qt6-base=6.4.2+dfsg-10
}
RUN=fetch_qt APT_SOURCE="hash ok" scenario "the source package's fetch fails its hash" \
    "ok" "ok" 0 "update source update source" "30"
RUN=fetch_qt APT_SOURCE="version" scenario "a source package's version the archive does not have" \
    "ok" "ok" 1 "update source" "" \
    "Could not fetch the source package qt6-base, and no wait will change that. apt-get says: E: Can not find version '6.4.2+dfsg-10' of package 'qt6-base' E: Unable to find a source package for qt6-base"

[ "$failures" -eq 0 ]
