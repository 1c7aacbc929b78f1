#!/usr/bin/env bash
# Runs the program on this X server and D-Bus session with the AT-SPI bus
# started here, in a throw-away home, and reads it from another process.
#   run_atspi_test.sh PROGRAM SCRIPT [LOCALE [LANGUAGE]]
set -uo pipefail
program=$1
script=$2
locale=${3:-en_US.UTF-8}
language=${4:-}

home=$(mktemp -d)
trap 'kill "$app" "$bus" 2>/dev/null; rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/Brackwell"
chmod 700 "$XDG_RUNTIME_DIR"
# No splash: the window is the first thing on the screen.
printf '[General]\nHideAbout=1\n' >"$XDG_CONFIG_HOME/Brackwell/Pecunor 97.conf"

/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
sleep 1
LANG=$locale LC_ALL=$locale LANGUAGE=$language QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
app=$!
for _ in $(seq 50); do
    window=$(xdotool search --onlyvisible --name '^Ostrel Pecunor 97$' 2>/dev/null | head -1)
    [[ -n "$window" ]] && break
    sleep 0.2
done
xdotool windowfocus --sync "$window"
export LANG=$locale LC_ALL=$locale LANGUAGE=$language
PYTHONPATH=$(dirname "${BASH_SOURCE[0]}") /usr/bin/python3 "$script"
