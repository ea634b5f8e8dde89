# SPDX-License-Identifier: MIT
# Sourced by the run and test scripts: installs the Debian packages the
# project needs, only those that are missing.
kestrin_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-qpa-plugins libgl-dev libx11-dev
    libgtest-dev libchm-dev fp-utils
    xvfb xauth openbox trayer xdotool x11-utils imagemagick
    fonts-dejavu-core
    desktop-file-utils appstream shared-mime-info libglib2.0-bin dpkg-dev file binutils
    clang libclang-rt-14-dev llvm clang-format-14
    cmark lintian rapidjson-dev
    weston qt6-wayland qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    dbus python3-dbus python3-gi at-spi2-core python3-pyatspi gir1.2-atspi-2.0
)

kestrin_install_missing() {
    local missing=()
    local p
    for p in "${kestrin_packages[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
