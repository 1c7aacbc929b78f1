#!/usr/bin/env bash
# Drives the real calculator window under Xvfb with a fixed-seed stream of
# clicks and keystrokes into the input panel, the method list and the table:
# odd entries, huge counts, separators, letters and bars. Afterwards the
# program must still run, close normally by Alt+F4, and have saved every
# method list with all fourteen items, each of the kind it stores.
#   window_stream_test.sh PROGRAM [SEED] [EVENTS]
set -uo pipefail

readonly PROGRAM=$1
readonly SEED=${2:-1997}
readonly EVENTS=${3:-400}

if [[ -z "${WINDOW_STREAM_DISPLAY:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" env WINDOW_STREAM_DISPLAY=1 bash "$0" "$@"
fi

work=$(mktemp -d)
program_pid=
cleanup() {
    [[ -n "$program_pid" ]] && kill -9 "$program_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share TMPDIR=$work/tmp
export LANG=C.UTF-8 LC_ALL=C.UTF-8
mkdir -p "$HOME" "$TMPDIR"
readonly SETTINGS_FILE="$XDG_CONFIG_HOME/Brackwell/Pecunor 97.conf"
readonly LOG=$work/events.log

"$PROGRAM" >"$work/program.log" 2>&1 &
program_pid=$!

# The main window: the one of that name with a real size (the splash comes
# and goes first).
window=
for _ in $(seq 1 100); do
    for candidate in $(xdotool search --onlyvisible --name '^Ostrel Pecunor 97$' 2>/dev/null); do
        read -r width height < <(xdotool getwindowgeometry --shell "$candidate" |
            sed -n 's/^WIDTH=//p; s/^HEIGHT=//p' | paste -sd ' ')
        if ((width >= 600 && height >= 450)); then
            window=$candidate
            break 2
        fi
    done
    sleep 0.1
done
if [[ -z "$window" ]]; then
    echo "FAIL: the calculator window did not appear: $(cat "$work/program.log")"
    exit 1
fi
eval "$(xdotool getwindowgeometry --shell "$window")"
origin_x=$X origin_y=$Y
xdotool windowfocus --sync "$window"
echo "window $window at $origin_x,$origin_y ${width}x$height; seed $SEED, $EVENTS events"

# Where a click may land, in the window's default 640 x 480 layout: the
# controls of the input panel, anywhere on the panel, the page tabs, the
# splitter and the table. Each click is followed by Escape, which closes a
# drop-down list or the date picker that it may have opened; menus are never
# clicked, so no modal dialog can open.
targets=(
    "99 59" "88 101" "172 101" "99 143" "99 185" "43 227" "128 227" "99 269" "99 311" "99 353"
    "15 38" "15 164" "15 248"
    "panel" "panel" "panel"
    "240 36" "240 36" "330 36" "195 250"
    "table" "table" "table" "table" "table"
)
# Keys pressed one at a time; typed tokens: odd entries, huge counts,
# separators, letters, the list separator "|".
keys=(0 1 2 3 4 5 6 7 8 9 period comma minus slash space bar BackSpace Delete Tab shift+Tab
      Up Down Left Right Home End Prior Next Return Escape ctrl+a ctrl+c ctrl+v a E x Z
      shift+Down shift+Right)
tokens=("99999999999" "9999" "10000" "123456789012345678901234567890" "1e308" "0" "00000" "-5"
        "1,234.56" "1.2.3" ",,,," "...." "12/31/9999" "1/1/1" "2/30/2024" "abc" "|x|" "||"
        "0.0000001" "  7 " "%%" "1,5" "3.5E+400")

random_below() { echo $((RANDOM % $1)); }

# One event as xdotool arguments. Besides single clicks, keys and tokens: a
# method picked from the list by keys, the page switched by Alt+C and Alt+X,
# and a walk with Tab to a control that then gets a token.
next_event() {
    local kind target x y
    kind=$(random_below 100)
    if ((kind < 10)); then
        echo "mousemove $((origin_x + 99)) $((origin_y + 59)) click 1 key Escape Home$(repeat Down $(random_below 14))"
    elif ((kind < 15)); then
        echo "key alt+c"
    elif ((kind < 17)); then
        echo "key alt+x"
    elif ((kind < 35)); then
        target=${targets[$(random_below ${#targets[@]})]}
        case $target in
            panel) x=$((12 + $(random_below 174))) y=$((30 + $(random_below 330))) ;;
            table) x=$((205 + $(random_below 410))) y=$((52 + $(random_below 410))) ;;
            *) read -r x y <<<"$target" ;;
        esac
        echo "mousemove $((origin_x + x)) $((origin_y + y)) click 1 key Escape"
    elif ((kind < 45)); then
        echo "key Tab$(repeat Tab $(random_below 8)) Home shift+End$(repeat Down $(random_below 6))"
    elif ((kind < 80)); then
        echo "key ${keys[$(random_below ${#keys[@]})]}"
    else
        echo "type --delay 2 ${tokens[$(random_below ${#tokens[@]})]}"
    fi
}

# " KEY" COUNT times.
repeat() {
    local words="" i
    for ((i = 0; i < $2; i++)); do words+=" $1"; done
    echo -n "$words"
}

alive() { kill -0 "$program_pid" 2>/dev/null; }
died() {
    echo "FAIL: the program ended during the stream, after event $1; the last events:"
    tail -n 15 "$LOG"
    cat "$work/program.log"
    exit 1
}

RANDOM=$SEED
for ((event = 1; event <= EVENTS; event++)); do
    command=$(next_event)
    echo "$event: $command" >>"$LOG"
    # The words of a typed token stay one argument.
    if [[ $command == type* ]]; then
        xdotool type --delay 2 -- "${command#type --delay 2 }"
    else
        read -ra words <<<"$command"
        xdotool "${words[@]}"
    fi
    if ((event % 20 == 0)); then
        alive || died "$event"
        # Without a window manager nothing gives the focus back after a
        # popup has taken it.
        xdotool windowfocus "$window" 2>/dev/null
    fi
done
alive || died "$EVENTS"
echo "ok: alive after $EVENTS events"

# Close it as a user would: File > Exit's key.
xdotool key Escape
xdotool windowfocus --sync "$window" key alt+F4
for _ in $(seq 1 150); do
    alive || break
    sleep 0.1
done
if alive; then
    echo "FAIL: Alt+F4 did not close the program; the last events:"
    tail -n 15 "$LOG"
    exit 1
fi
wait "$program_pid"
status=$?
program_pid=
((status == 0)) || { echo "FAIL: the program ended with status $status: $(cat "$work/program.log")"; exit 1; }
echo "ok: closed by Alt+F4 with status 0"

# Every method list: fourteen items between bars, each of its list's kind.
[[ -f "$SETTINGS_FILE" ]] || { echo "FAIL: no settings file $SETTINGS_FILE"; exit 1; }
failures=0
check_list() {
    local name=$1 pattern=$2 line value
    line=$(grep -m 1 "^$name=" "$SETTINGS_FILE")
    value=${line#*=}
    value=${value#\"}
    value=${value%\"}
    local items
    IFS='|' read -ra items <<<"${value#|}"
    if [[ "$value" != \|*\| || ${#items[@]} -ne 14 ]]; then
        echo "FAIL: $name does not hold 14 items: $line"
        failures=$((failures + 1))
        return
    fi
    for item in "${items[@]}"; do
        if ! [[ "$item" =~ $pattern ]]; then
            echo "FAIL: $name holds the item '$item': $line"
            failures=$((failures + 1))
            return
        fi
    done
    echo "ok: $name holds 14 items"
}
check_list Dates '^-?[0-9]+$'
check_list Periods '^[0-5]$'
check_list PaymentsDue '^[01]$'
check_list InterestPer '^[0-5]$'
for list in Values1 Values2 Values3 Values4; do
    check_list "$list" '^[^|]*$'
done
((failures == 0))
