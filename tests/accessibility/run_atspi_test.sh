#!/usr/bin/env bash
# Runs the program on this X server and D-Bus session with the AT-SPI bus
# started here, in a throw-away home, and reads it from another process.
set -uo pipefail
program=$1
script=$(dirname "${BASH_SOURCE[0]}")/atspi_tree.py

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
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
app=$!
for _ in $(seq 50); do
    window=$(xdotool search --onlyvisible --name '^Ostrel Pecunor 97$' 2>/dev/null | head -1)
    [[ -n "$window" ]] && break
    sleep 0.2
done
xdotool windowfocus --sync "$window"
/usr/bin/python3 "$script"
