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
    appstream devscripts gettext locales
    at-spi2-core python3-pyatspi dbus dbus-daemon python3-dbus python3-gi
)
# Generated locales: Wine reports the Windows UI language of LANG only when
# its locale exists (0x0411 under ja_JP.UTF-8), and the driven runs start the
# programs in Japanese and in English.
locales=(ja_JP.UTF-8 en_US.UTF-8)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

absent=()
for l in "${locales[@]}"; do
    locale -a 2>/dev/null | grep -qix "${l/UTF-8/utf8}" || absent+=("$l")
done
if [ ${#absent[@]} -gt 0 ]; then
    echo "Generating locales: ${absent[*]}"
    for l in "${absent[@]}"; do
        $sudo sed -i "s/^# *\($l UTF-8\)/\1/" /etc/locale.gen
        grep -qx "$l UTF-8" /etc/locale.gen || echo "$l UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
    done
    $sudo locale-gen >/dev/null
fi
