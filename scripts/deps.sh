# Sourced by the other scripts: installs the Debian packages they need.

# ensure_packages PACKAGE...: installs whichever of the packages are missing,
# with apt-get as root, through sudo otherwise; without either it prints the
# exact command to run and stops.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "These packages are missing: ${missing[*]}" >&2
            echo "Install them as root, then run this script again:" >&2
            echo "  apt-get install -y ${missing[*]}" >&2
            exit 1
        fi
    fi
    echo "Installing ${missing[*]}..."
    export DEBIAN_FRONTEND=noninteractive
    if ! "${sudo[@]}" apt-get install -y -q "${missing[@]}"; then
        "${sudo[@]}" apt-get update -q
        "${sudo[@]}" apt-get install -y -q "${missing[@]}"
    fi
}

# What building the game needs; fonts-liberation makes "Arial" resolve.
BUILD_PACKAGES=(cmake make g++ qt6-base-dev fonts-liberation)

# build_preset NAME: configures and builds one of the CMake presets.
build_preset() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" --parallel "$(nproc)"
}
