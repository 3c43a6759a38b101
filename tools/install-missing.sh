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

apt_install() {
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@"
}

# with_fresh_package_lists WHAT COMMAND...: updates apt's package lists, then
# runs COMMAND. A mirror in the middle of its sync fails the update for a
# while ("File has unexpected size ... Mirror sync in progress?"), and the
# lists already on the machine may still do: COMMAND runs all the same. Where
# it fails, both are tried again after a wait, a few times; then the script
# stops with apt's own error. The waits are seconds, in KINTROA_APT_WAITS.
with_fresh_package_lists() {
    local what=$1; shift
    local log waits wait
    log=$(mktemp)
    read -r -a waits <<<"${KINTROA_APT_WAITS:-30 60 120}"
    for wait in "${waits[@]}" last; do
        : >"$log"
        if ! apt-get update -qq >>"$log" 2>&1; then
            echo "apt-get update failed; trying with the package lists already on this machine" >&2
        fi
        if "$@" >>"$log" 2>&1; then
            rm -f "$log"
            return 0
        fi
        [ "$wait" = last ] && break
        echo "Could not $what; trying again in $wait s" >&2
        sleep "$wait"
    done
    echo "Could not $what. apt-get says: $(apt_error "$log")" >&2
    rm -f "$log"
    exit 1
}

# The errors in an apt log, one line; its last line where it names none.
apt_error() {
    local errors
    errors=$(grep -E '^E: ' "$1" | tr '\n' ' ' || true)
    [ -n "$errors" ] || errors=$(tail -n 1 "$1")
    echo "${errors% }"
}
