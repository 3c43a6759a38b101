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
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
