#!/usr/bin/env bash
# Runs the program with Orca, the screen reader, on this X server and D-Bus
# session: its own AT-SPI bus, a throw-away home, and Orca's debug log as the
# record of what it speaks (ORCA_LOG, read by the script).
#   run_orca_test.sh [--devices] PROGRAM [PROGRAM ARGUMENTS...] -- SCRIPT [SCRIPT ARGUMENTS...]
# --devices gives the program two printers of a scheduler of its own and a
# USB stick mounted under /media, seen by the program alone.
set -uo pipefail
devices=
[[ ${1:-} == --devices ]] && devices=1 && shift
program=()
while (($# > 0)) && [[ $1 != -- ]]; do
    program+=("$1")
    shift
done
shift

home=$(mktemp -d)
app= orca= bus= cups=
# unshare ignores TERM; KILL ends it, Orca and the speech-dispatcher Orca started.
trap 'kill "$app" "$bus" $cups 2>/dev/null; kill -KILL "$orca" 2>/dev/null; wait 2>/dev/null; rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$home/run
export LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 LANGUAGE=
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/Brackwell" "$XDG_CONFIG_HOME/speech-dispatcher"
chmod 700 "$XDG_RUNTIME_DIR"
# No splash: the window is the first thing on the screen.
printf '[General]\nHideAbout=1\n' >"$XDG_CONFIG_HOME/Brackwell/Pecunor 97.conf"
# Orca speaks through speech-dispatcher, which gives up without a sound
# device; libao's null driver always opens.
{ cat /etc/speech-dispatcher/speechd.conf; echo 'AudioOutputMethod "libao"'; } \
    >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
echo default_driver=null >"$home/.libao"

/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
export ORCA_LOG=$home/orca.log
# Orca refuses to start while it sees another Orca of this user anywhere on
# the machine, hence a PID namespace. Its log goes to a terminal, which Python
# writes line by line, so a line is in the file as soon as it is spoken.
unshare --pid --fork --kill-child --mount-proc /usr/bin/python3 -c 'import pty, sys; pty.spawn(sys.argv[1:])' \
    orca --debug-file=/dev/tty </dev/null >"$ORCA_LOG" 2>&1 &
orca=$!
for _ in $(seq 300); do
    grep -q "SPEECH OUTPUT" "$ORCA_LOG" && break
    sleep 0.1
done
if ! grep -q "SPEECH OUTPUT" "$ORCA_LOG"; then
    echo "Orca did not start speaking:" >&2
    cat "$ORCA_LOG" >&2
    exit 1
fi

if [[ -n $devices ]]; then
    # A scheduler on a private socket; the filters run as user lp and must reach its folders.
    chmod 755 "$home"
    mkdir -p "$home/cups"/{root,spool,cache,state,log}
    printf '%s\n' "ServerRoot $home/cups/root" "RequestRoot $home/cups/spool" "CacheDir $home/cups/cache" \
        "StateDir $home/cups/state" "ErrorLog $home/cups/log/error_log" "SystemGroup root" >"$home/cups/files.conf"
    printf '%s\n' "Listen $home/cups/socket" "Browsing No" "WebInterface No" \
        "<Location />" "Order allow,deny" "Allow all" "</Location>" \
        "<Policy default>" "<Limit All>" "Order deny,allow" "</Limit>" "</Policy>" >"$home/cups/cupsd.conf"
    /usr/sbin/cupsd -f -c "$home/cups/cupsd.conf" -s "$home/cups/files.conf" &
    cups=$!
    export CUPS_SERVER=$home/cups/socket
    for _ in $(seq 100); do
        [[ $(lpstat -r 2>/dev/null) == "scheduler is running" ]] && break
        sleep 0.05
    done
    for queue in Accounts Office; do
        # lpadmin warns that drivers (PPDs) are deprecated.
        lpadmin -p "$queue" -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
    done
    lpadmin -d Accounts
    # The stick is removable by its place; the read-only /media around it is no drive to copy to.
    program=(unshare --mount --propagation private sh -c 'mount -t tmpfs media /media && mkdir /media/USB-STICK &&
             mount -o remount,ro /media && mount -t tmpfs -o size=1m stick /media/USB-STICK && exec "$@"' sh
             "${program[@]}")
fi
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "${program[@]}" &
app=$!
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -1)
    [[ -n "$window" ]] && break
    sleep 0.1
done
xdotool windowfocus --sync "$window"
export APP_PID=$app
PYTHONPATH=$(dirname "${BASH_SOURCE[0]}") /usr/bin/python3 "$@"
