#!/usr/bin/env bash
# Builds the Debian package with CPack, checks it with lintian, installs it
# with apt-get as a user would, starts the installed program, validates the
# installed desktop entry and metainfo, then purges the package and checks that
# nothing of it is left. It changes the machine's installed packages, so it
# skips (status 77) wherever it cannot do that safely.
#   debian_package.sh BUILD_DIR VERSION LEGAL_NOTICE
set -euo pipefail
build=$(realpath "$1")
version=$2
legal=$3

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

[ "$(id -u)" -eq 0 ] || skip "installing a package needs root; run this test as root on a Debian machine"
for tool in cpack dpkg dpkg-deb dpkg-query dpkg-shlibdeps apt-get lintian desktop-file-validate appstreamcli timeout \
            ibus ibus-daemon dbus-run-session; do
    command -v "$tool" >/dev/null ||
        skip "$tool is missing (Debian packages: dpkg-dev, lintian, desktop-file-utils, appstream, ibus, dbus-daemon)"
done
[ -x /usr/libexec/ibus-engine-m17n ] || skip "IBus's m17n engine is missing (Debian package: ibus-m17n)"
state=$(dpkg-query -W -f='${db:Status-Status}' kintroa 2>/dev/null || true)
[ -z "$state" ] || [ "$state" = not-installed ] ||
    skip "a package named kintroa is already on this machine ($state); this test does not replace or remove it"
[ ! -e /usr/bin/kintroa ] || skip "/usr/bin/kintroa exists outside the package manager; this test does not overwrite it"

work=$(mktemp -d)
installed=false
cleanup() {
    # A failure after the installation started must not leave the package behind.
    if $installed; then
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq -o DPkg::Lock::Timeout=300 kintroa >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=300 "$@"; }

# Build the package. A strict umask shows that the modes inside the package
# come from the packaging, not from whoever builds it.
(umask 077 && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work") >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack -G DEB failed"; }
deb="$work/kintroa_${version}-1_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { cat "$work/cpack.log"; fail "cpack made no $(basename "$deb")"; }
chmod 755 "$work" && chmod 644 "$deb"   # apt reads local packages as its own unprivileged user
echo "built $(basename "$deb")"

# The control fields a packager would otherwise write by hand.
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 \
              fonts-liberation2 fonts-lohit-deva fonts-lohit-beng-bengali fonts-lohit-gujr fonts-lohit-guru; do
    [[ ", $depends," == *", $needed "* || ", $depends," == *", $needed,"* ]] ||
        fail "Depends lacks $needed: $depends"
done
# The input methods want an input method framework that reads m17n's database.
[ "$(dpkg-deb -f "$deb" Suggests)" = "ibus-m17n | fcitx5-m17n" ] ||
    fail "Suggests is '$(dpkg-deb -f "$deb" Suggests)', not 'ibus-m17n | fcitx5-m17n'"
[ "$(dpkg-deb -f "$deb" Version)" = "$version-1" ] || fail "Version is $(dpkg-deb -f "$deb" Version), not $version-1"
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/kintroa/copyright >"$work/copyright" ||
    fail "the package has no copyright file"
grep -qxF "Copyright: ${legal#Copyright (C) }" "$work/copyright" ||
    fail "the copyright file does not carry the legal notice '$legal'"

# No error or warning; information tags are shown but allowed. (With
# --show-overrides lintian would fail on the overridden tags too.)
set +e
lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.log" 2>&1
lintian_status=$?
set -e
grep -v 'running with root privileges' "$work/lintian.log" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors or warnings"
echo "lintian: no errors or warnings"

installed=true
apt_get install --no-install-recommends "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get install failed"; }
dpkg-query -L kintroa | grep -v '^/\.$' >"$work/files"
grep -qx /usr/bin/kintroa "$work/files" || fail "the installed package has no /usr/bin/kintroa"
echo "installed $(wc -l <"$work/files") paths"

# Start the installed program, offscreen and in a private runtime folder.
runtime=$(mktemp -d -p "$work")
run_kintroa() { # SECONDS ARGUMENT...
    local seconds=$1; shift
    set +e
    QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$runtime timeout -k 5 "$seconds" /usr/bin/kintroa "$@" >"$work/out" 2>&1
    status=$?
    set -e
}
# The installed program reads its command line: it stops at an option it does
# not know, pointing to --help, and tells its version.
run_kintroa 60 --no-such-option-for-this-test
[ "$status" -eq 1 ] || { cat "$work/out"; fail "kintroa with an unknown option ended with status $status, not 1"; }
grep -qF "kintroa --help" "$work/out" || { cat "$work/out"; fail "kintroa with an unknown option did not point to --help"; }
run_kintroa 60 --version
[ "$status" -eq 0 ] || { cat "$work/out"; fail "kintroa --version ended with status $status"; }
grep -qxF "kintroa $version" "$work/out" || { cat "$work/out"; fail "kintroa --version did not print kintroa $version"; }
echo "kintroa --version: $(head -1 "$work/out")"

# What a software centre reads: the desktop entry, its icon and the metainfo.
desktops=$(grep '^/usr/share/applications/.*\.desktop$' "$work/files") || fail "no desktop entry installed"
metainfos=$(grep '^/usr/share/metainfo/.*\.metainfo\.xml$' "$work/files") || fail "no AppStream metainfo installed"
for desktop in $desktops; do
    desktop-file-validate "$desktop"
    echo "valid: $desktop"
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    grep -q "^/usr/share/icons/hicolor/.*/apps/$icon\.png$" "$work/files" ||
        fail "$desktop names icon '$icon', which the package does not install"
done
for metainfo in $metainfos; do
    appstreamcli validate --no-net "$metainfo" >"$work/out" 2>&1 || { cat "$work/out"; fail "$metainfo is not valid AppStream"; }
    echo "valid: $metainfo"
done
grep -qx /usr/share/man/man1/kintroa.1.gz "$work/files" || fail "no manual page installed"

# The keying scheme's input methods, in m17n's database as this build wrote them.
for method in hi-korvani bn-korvani gu-korvani pa-korvani; do
    cmp -s "/usr/share/m17n/$method.mim" "$build/m17n/$method.mim" ||
        fail "/usr/share/m17n/$method.mim is missing or not the one the build wrote"
done
echo "input methods: $(grep -c '^/usr/share/m17n/.*-korvani\.mim$' "$work/files") in /usr/share/m17n"

# IBus lists the installed methods and switches to each, as a user's desktop
# would: its daemon on a private session bus, with a home of its own so that
# no engine list cached before the package was installed is read.
ibus_home=$(mktemp -d -p "$work")
cat >"$ibus_home/check" <<'CHECK'
ibus-daemon --replace --daemonize --xim=false --panel=disable --emoji-extension=disable
for _ in $(seq 1 150); do
    ibus list-engine 2>/dev/null | grep -q korvani && break
    sleep 0.2
done
ibus list-engine 2>/dev/null | grep korvani || echo "ibus list-engine names no korvani method"
for language in hi bn gu pa; do
    ibus engine "m17n:$language:korvani" 2>/dev/null   # says "failed" only where it has no such engine
    echo "selected: $(ibus engine 2>/dev/null)"
done
ibus exit 2>/dev/null
CHECK
env -u M17NDIR HOME="$ibus_home" XDG_CONFIG_HOME="$ibus_home/config" XDG_CACHE_HOME="$ibus_home/cache" \
    timeout -k 5 120 dbus-run-session -- bash "$ibus_home/check" >"$work/ibus.log" 2>/dev/null || true
for language in hi bn gu pa; do
    grep -qE "^ *m17n:$language:korvani - " "$work/ibus.log" &&
        grep -qx "selected: m17n:$language:korvani" "$work/ibus.log" ||
        { cat "$work/ibus.log"; fail "IBus does not list or select m17n:$language:korvani"; }
done
echo "IBus lists and selects m17n:hi:korvani, m17n:bn:korvani, m17n:gu:korvani and m17n:pa:korvani"

# Purge, then nothing of the package may be left: no file, and no folder of
# its own (a folder that stays must belong to another package too).
apt_get purge kintroa >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get purge failed"; }
installed=false
state=$(dpkg-query -W -f='${db:Status-Status}' kintroa 2>/dev/null || true)
[ -z "$state" ] || [ "$state" = not-installed ] || fail "after purge the package is still known to dpkg as $state"
left=()
while IFS= read -r path; do
    if [ -d "$path" ] && [ ! -L "$path" ]; then
        dpkg-query -S "$path" >/dev/null 2>&1 || left+=("$path/ ($(ls -A "$path" | tr '\n' ' '))")
    elif [ -e "$path" ] || [ -L "$path" ]; then
        left+=("$path")
    fi
done <"$work/files"
[ ${#left[@]} -eq 0 ] || fail "left behind after purge: ${left[*]}"
echo "purged; nothing left"
