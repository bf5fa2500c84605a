#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12. Packages
# already present are not fetched again.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev ccache pkg-config
    googletest libgtest-dev libgmock-dev
    g++-mingw-w64-x86-64 mingw-w64-tools
    wine wine64 xvfb xauth xdotool imagemagick openbox x11-utils
    x11-xserver-utils x11-xkb-utils pulseaudio pulseaudio-utils weston qt6-wayland
    fonts-ipafont-gothic
    qt6-base-dev qt6-multimedia-dev qt6-base-dev-tools libgl-dev libxcb1-dev
    python3 sox zip file dpkg-dev lintian desktop-file-utils qt6-translations-l10n
    pulseaudio pulseaudio-utils
    appstream devscripts
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
