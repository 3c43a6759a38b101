# install_missing PACKAGE...: installs with apt-get the Debian packages that
# are missing. Without root or apt-get it names them and ends the script.
# Sourced by ./dev and tools/windows/build.
install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null; then
        echo "Missing Debian packages: ${missing[*]}. Install them (as root: apt-get install ${missing[*]}) and run again." >&2
        exit 1
    fi
    echo "Installing ${missing[*]}"
    with_fresh_package_lists "install ${missing[*]}" apt_install "${missing[@]}"
}

# -q, not -qq: only -q keeps the lines that name the packages in a conflict.
apt_install() {
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$@"
}

# fetch_source DIR PACKAGE=VERSION: downloads a source package into DIR and
# unpacks it there.
fetch_source() {
    (cd "$1" && apt-get source -q "$2")
}

# with_fresh_package_lists WHAT COMMAND...: updates apt's package lists, then
# runs COMMAND. A mirror in the middle of its sync fails the update for a
# while ("File has unexpected size ... Mirror sync in progress?"), and the
# lists already on the machine may still do: COMMAND runs all the same.
# Where it fails on the archive's side or the machine's (lists mid-sync, a
# failed fetch, a hash mismatch, another apt holding the lock), both are
# tried again after a wait, a few times; then the script stops with apt's
# own error. The waits are seconds, in KINTROA_APT_WAITS.
# Where apt, with lists just updated, finds no such package or version, or
# no way to install it beside the rest, no wait mends that: the script stops
# at once. Lists that failed to update may lack what the archive has, so
# with them every failure is tried again.
# apt speaks English here, so that its errors can be told apart.
with_fresh_package_lists() {
    local what=$1; shift
    local log waits wait fresh
    log=$(mktemp)
    read -r -a waits <<<"${KINTROA_APT_WAITS:-30 60 120}"
    for wait in "${waits[@]}" last; do
        : >"$log"
        fresh=yes
        if ! LC_ALL=C apt-get update -qq >>"$log" 2>&1; then
            fresh=no
            echo "apt-get update failed; trying with the package lists already on this machine" >&2
        fi
        if LC_ALL=C "$@" >>"$log" 2>&1; then
            rm -f "$log"
            return 0
        fi
        if [ "$fresh" = yes ] && apt_failed_for_good "$log"; then
            echo "Could not $what, and no wait will change that. apt-get says: $(apt_error "$log")" >&2
            rm -f "$log"
            exit 1
        fi
        [ "$wait" = last ] && break
        echo "Could not $what; trying again in $wait s" >&2
        sleep "$wait"
    done
    echo "Could not $what. apt-get says: $(apt_error "$log")" >&2
    rm -f "$log"
    exit 1
}

# Whether an apt log reports what the archive's lists say for good: no such
# package, version or source package, nothing that can be installed under
# that name, dependencies that cannot be met together.
apt_failed_for_good() {
    grep -qE "^E: (Unable to locate package |Package '.*' has no installation candidate|\
Couldn't find any package by (glob|regex) |Version '.*' for '.*' was not found|\
Can not find version '.*' of package |Unable to find a source package for |\
You must put some 'deb-src' URIs in your sources.list|Unable to correct problems, you have held broken packages|\
Unmet dependencies|Error, pkgProblemResolver::Resolve generated breaks)" "$1"
}

# The errors in an apt log, one line, after the lines that name the packages
# whose dependencies cannot be met; its last line where it names none.
apt_error() {
    local errors
    errors=$(grep -E '^ [^ ]+ : (Depends|PreDepends|Pre-Depends|Conflicts|Breaks): |^E: ' "$1" | sed 's/^ //' \
        | tr '\n' ' ' || true)
    [ -n "$errors" ] || errors=$(tail -n 1 "$1")
    echo "${errors% }"
}
