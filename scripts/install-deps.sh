#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing, fuzzing and
# benchmarking need; touches apt only when one of them is missing.
set -euo pipefail

readonly REQUIRED_PACKAGES=(
    # build
    cmake ninja-build g++ qt6-base-dev
    # the translations: lrelease compiles them, lupdate checks them; Qt's own
    # dialogs in the user's language
    qt6-l10n-tools qt6-translations-l10n
    # the libFuzzer target
    clang libclang-rt-14-dev
    # tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev
    # tests that draw text, need a real X server, read the clipboard, look at
    # screenshots and print output, or check desktop entries
    fonts-liberation2 xvfb xauth xclip imagemagick poppler-utils desktop-file-utils
    # the program's icon is drawn as SVG and rendered to its bitmap sizes
    librsvg2-bin
    # the spreadsheet export writes .xlsx with libxlsxwriter; its test reads
    # the workbook back with openpyxl and LibreOffice
    libxlsxwriter-dev python3-openpyxl libreoffice-calc-nogui
    python3-jsonschema  # pecunor-calc's JSON sheets against their schema
    # GIO marks the installed desktop launcher trusted; xdotool drives the
    # setup wizard under a real X server
    libglib2.0-dev xdotool
    # printing hands its jobs to CUPS itself, to learn whether they were taken;
    # the tests print through their own cupsd to a cups-pdf queue
    libcups2-dev cups printer-driver-cups-pdf
    # the wallpaper: GNOME's schemas and gsettings, a private session bus,
    # and XFCE's settings daemon with xfconf-query
    gsettings-desktop-schemas libglib2.0-bin dbus xfconf libxfconf-0-3
    # GNOME's real settings store, which the wallpaper is confirmed against
    dconf-gsettings-backend
    # screen readers' view of the window: the AT-SPI bus, read from Python
    at-spi2-core gir1.2-atspi-2.0 python3-gi
    # Orca, the screen reader, whose spoken words the tests read from its log
    orca
    # the Debian package: dpkg-shlibdeps finds its dependencies, lintian and
    # appstreamcli check it and its software-centre entry, man reads its pages
    dpkg-dev file lintian appstream man-db
    # the German and French windows are tested in their own locales
    locales
)

# Locales the tests run the program in, generated when missing.
readonly TEST_LOCALES=(de_DE.UTF-8 de_CH.UTF-8 de_AT.UTF-8 fr_FR.UTF-8 fr_BE.UTF-8 fr_CH.UTF-8 fr_CA.UTF-8)

is_installed() {
    [[ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" == "install ok installed" ]]
}

missing=()
for package in "${REQUIRED_PACKAGES[@]}"; do
    is_installed "$package" || missing+=("$package")
done

missing_locales=()
for test_locale in "${TEST_LOCALES[@]}"; do
    # locale -a spells "de_DE.UTF-8" as "de_DE.utf8".
    locale -a 2>/dev/null | grep -qix "${test_locale/UTF-8/utf8}" || missing_locales+=("$test_locale")
done

if ((${#missing[@]} == 0 && ${#missing_locales[@]} == 0)); then
    echo "install-deps: all ${#REQUIRED_PACKAGES[@]} packages and ${#TEST_LOCALES[@]} locales are installed"
    exit 0
fi
if ((EUID != 0)); then
    echo "install-deps: missing ${missing[*]} ${missing_locales[*]}; run this script as root" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
if ((${#missing[@]} > 0)); then
    echo "install-deps: installing ${missing[*]}"
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
for test_locale in "${missing_locales[@]}"; do
    echo "install-deps: generating the locale $test_locale"
    grep -qx "$test_locale UTF-8" /etc/locale.gen || echo "$test_locale UTF-8" >>/etc/locale.gen
done
((${#missing_locales[@]} == 0)) || locale-gen
