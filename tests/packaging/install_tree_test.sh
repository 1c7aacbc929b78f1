#!/usr/bin/env bash
# Lays out the system-wide install with cmake --install under a folder of its
# own and uses it as root would: the calculator sets its picture as the
# wallpaper, is ended by SIGTERM, and "opecu97 UNINSTALL" is asked to remove
# it. Nothing may be written into, or removed from, the installed tree: the
# program's own files go to the user's folders whoever runs it.
#   install_tree_test.sh BUILD_DIR
set -uo pipefail

readonly BUILD_DIR=$1

if [[ -z "${INSTALL_TREE_DISPLAY:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" env INSTALL_TREE_DISPLAY=1 bash "$0" "$@"
fi

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
work=$(mktemp -d)
program_pid=
cleanup() {
    [[ -n "$program_pid" ]] && kill -9 "$program_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share TMPDIR=$work/tmp
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS XDG_CURRENT_DESKTOP
mkdir -p "$HOME/Documents" "$TMPDIR"
readonly PREFIX=$work/prefix
readonly SETTINGS_FILE="$XDG_CONFIG_HOME/Brackwell/Pecunor 97.conf"

if ! cmake --install "$BUILD_DIR" --prefix "$PREFIX" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi
tree_listing() { find "$PREFIX" -printf '%p %y %s %m %T@\n' | sort; }
tree_listing >"$work/before"

# The main window: the one of the product's name with a real size.
main_window() {
    for _ in $(seq 1 100); do
        for candidate in $(xdotool search --onlyvisible --name '^Ostrel Pecunor 97$' 2>/dev/null); do
            width=$(xdotool getwindowgeometry --shell "$candidate" | sed -n 's/^WIDTH=//p')
            ((width >= 500)) && echo "$candidate" && return 0
        done
        sleep 0.2
    done
    return 1
}

"$PREFIX/bin/opecu97" >"$work/program.log" 2>&1 &
program_pid=$!
if window=$(main_window); then
    # File > Set As Wallpaper (Tiled); no desktop takes it here, and its
    # message is closed.
    xdotool windowfocus --sync "$window" key alt+f w
    sleep 2
    xdotool key Return
    sleep 0.5
    kill -TERM "$program_pid"
    timeout 15 tail --pid="$program_pid" -f /dev/null || fail "the calculator did not end on SIGTERM"
else
    fail "the calculator's window did not open: $(cat "$work/program.log")"
fi
program_pid=
grep -q "^TXTFileName=$HOME/Documents/Pecunor.txt$" "$SETTINGS_FILE" ||
    fail "the text export is not proposed in the documents folder: $(grep TXTFileName "$SETTINGS_FILE")"

"$PREFIX/bin/opecu97" UNINSTALL >"$work/uninstall.log" 2>&1 &
program_pid=$!
# One message, refusing; nothing asks whether to remove the files.
sleep 3
xdotool key Return
timeout 15 tail --pid="$program_pid" -f /dev/null || fail "UNINSTALL did not end after its message"
program_pid=

tree_listing >"$work/after"
if ! diff "$work/before" "$work/after" >"$work/changes"; then
    fail "the installed tree changed:"$'\n'"$(cat "$work/changes")"
fi
[[ -L "$PREFIX/bin/opecu97" && -e "$PREFIX/bin/opecu97" ]] || fail "bin/opecu97 no longer leads to the program"

((failures == 0)) && echo "ok: the installed tree is untouched; exports proposed in the documents folder"
((failures == 0))
