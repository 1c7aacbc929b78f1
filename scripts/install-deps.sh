#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing, fuzzing and
# benchmarking need; touches apt only when one of them is missing.
set -euo pipefail

readonly REQUIRED_PACKAGES=(
    # build
    cmake ninja-build g++ qt6-base-dev
    # the libFuzzer target
    clang libclang-rt-14-dev
    # tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev
    # tests that draw text, need a real X server, read the clipboard, look at
    # screenshots and print output, or check desktop entries
    fonts-liberation2 xvfb xauth xclip imagemagick poppler-utils desktop-file-utils
    # GIO marks the installed desktop launcher trusted; xdotool drives the
    # setup wizard under a real X server
    libglib2.0-dev xdotool
    # printing tests print through their own cupsd to a cups-pdf queue
    cups printer-driver-cups-pdf
    # the wallpaper: GNOME's schemas and gsettings, a private session bus,
    # and XFCE's settings daemon with xfconf-query
    gsettings-desktop-schemas libglib2.0-bin dbus xfconf libxfconf-0-3
    # screen readers' view of the window: the AT-SPI bus, read from Python
    at-spi2-core gir1.2-atspi-2.0 python3-gi
    # the Debian package: dpkg-shlibdeps finds its dependencies, lintian and
    # appstreamcli check it and its software-centre entry, man reads its pages
    dpkg-dev file lintian appstream man-db
)

is_installed() {
    [[ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" == "install ok installed" ]]
}

missing=()
for package in "${REQUIRED_PACKAGES[@]}"; do
    is_installed "$package" || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
    echo "install-deps: all ${#REQUIRED_PACKAGES[@]} packages are installed"
    exit 0
fi
if ((EUID != 0)); then
    echo "install-deps: missing ${missing[*]}; run this script as root" >&2
    exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
