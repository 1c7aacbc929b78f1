#!/usr/bin/env bash
# Makes the software centre's screenshots (packaging/screenshots/*.png, named
# in the metainfo file) from the built calculator under a private X server,
# with a throw-away home so that no remembered input or window place shows.
# Run it again after the window changes and commit the pictures.
#   scripts/screenshots.sh [PROGRAM]    (default: build/release/bin/OPecu97)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

readonly PROGRAM=${1:-build/release/bin/OPecu97}
readonly OUTPUT=packaging/screenshots

if [[ -z "${SCREENSHOTS_DISPLAY:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" env SCREENSHOTS_DISPLAY=1 bash "$0" "$@"
fi

work=$(mktemp -d)
program_pid=
cleanup() {
    [[ -n "$program_pid" ]] && kill "$program_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_RUNTIME_DIR=$work/runtime LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 LANGUAGE=en
unset QT_QPA_PLATFORM XDG_CURRENT_DESKTOP DBUS_SESSION_BUS_ADDRESS
mkdir -p "$HOME/Documents" "$OUTPUT"
mkdir -m 700 "$XDG_RUNTIME_DIR"

main_window() {
    for _ in $(seq 1 100); do
        xdotool search --onlyvisible --name '^Ostrel Pecunor 97$' 2>/dev/null | head -1 | grep . && return 0
        sleep 0.2
    done
    echo "screenshots: the window of $PROGRAM did not open" >&2
    return 1
}

# The window as it stands, without the tIME and text chunks that would make
# the same picture differ from run to run.
shoot() {
    sleep 0.5
    import -window "$window" "$work/shot.png"
    /usr/bin/convert "$work/shot.png" -strip -define png:compression-level=9 "$OUTPUT/$1"
    echo "screenshots: $OUTPUT/$1, $(stat -c %s "$OUTPUT/$1") bytes"
}

"$PROGRAM" >"$work/program.log" 2>&1 &
program_pid=$!
window=$(main_window)
xdotool windowsize --sync "$window" 800 560
xdotool windowfocus --sync "$window"

# A loan of 20,000 with 2,000 down at 6 % a year, repaid over 36 months from a
# fixed start date: the fifth method of the list.
xdotool key alt+c alt+m Home Down Down Down Down Down
xdotool key alt+d ctrl+a
xdotool type --delay 20 1/15/2024
xdotool key alt+p Home Down Down Down Tab
xdotool type --delay 20 20000
xdotool key Tab
xdotool type --delay 20 6
xdotool key Tab Tab
xdotool type --delay 20 2000
xdotool key Tab
xdotool type --delay 20 36
shoot loan-payment-table.png

xdotool key alt+x
shoot loan-payment-explanation.png
