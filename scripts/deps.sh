# Shared by run.sh and test.sh: installs the Debian packages that are missing, then configures
# and builds the game into build/. Sourced, not run.

# Installs each named Debian package that is not installed yet.
install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building and playing need.
build_packages=(cmake make g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev
    libbenchmark-dev fonts-dejavu-core fonts-liberation2)

# What the tests of the desktop entry, the metainfo and the saved games' type run besides.
desktop_check_packages=(desktop-file-utils appstream shared-mime-info xdg-utils
    libfile-mimeinfo-perl)

# Configures the build folder DIR with the further cmake arguments. Where we work, a warning
# fails the build.
configure() {
    cmake -S . -B "$1" -DQUILLMAR_WERROR=ON "${@:2}" >/dev/null
}

# Configures and builds build/ with every core in use; arguments go to the build, such as
# "--target NAME" to build only what a script needs. QUILLMAR_BUILD_TYPE picks another build
# type than RelWithDebInfo.
build_game() {
    configure build -DCMAKE_BUILD_TYPE="${QUILLMAR_BUILD_TYPE:-RelWithDebInfo}"
    cmake --build build --parallel "$(nproc)" "$@"
}
