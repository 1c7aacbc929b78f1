#!/usr/bin/env bash
# Builds the Debian package from a release build, installs it with apt-get,
# uses what it installed the way a user would, removes it again and checks
# that nothing it listed is left behind. It changes the system, so it runs
# only when asked (PECUNOR_SYSTEM_TESTS=1, as scripts/test.sh sets it), only
# as root (CI's throw-away machine) and only when the package is not
# installed already.
#   deb_package_test.sh BUILD_DIR
set -uo pipefail

readonly BUILD_DIR=$1
readonly PACKAGE=ostrel-pecunor-97
readonly DESKTOP_ID=example.brackwell.OstrelPecunor97
readonly SKIPPED=77

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
pass() { echo "ok: $*"; }
installed() { [[ "$(dpkg-query -W -f='${Status}' "$PACKAGE" 2>/dev/null)" == "install ok installed" ]]; }

if [[ "${PECUNOR_SYSTEM_TESTS:-}" != 1 ]]; then
    echo "SKIP: installs and purges $PACKAGE on this machine; set PECUNOR_SYSTEM_TESTS=1 to run it"
    exit "$SKIPPED"
fi
if ((EUID != 0)); then
    echo "SKIP: installing a package needs root"
    exit "$SKIPPED"
fi
if installed; then
    echo "SKIP: $PACKAGE is installed already; this test leaves an existing install alone"
    exit "$SKIPPED"
fi

work=$(mktemp -d)
program_pid=
cleanup() {
    [[ -n "$program_pid" ]] && kill "$program_pid" 2>/dev/null
    installed && dpkg --purge "$PACKAGE" >/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share TMPDIR=$work/tmp
mkdir -p "$HOME" "$TMPDIR"

# Build and install.
if ! cpack --config "$BUILD_DIR/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack could not make the package"
    exit 1
fi
deb=$(find "$work/package" -maxdepth 1 -name "${PACKAGE}_*.deb")
echo "package: ${deb##*/}, $(stat -c %s "$deb") bytes, installed size $(dpkg-deb -f "$deb" Installed-Size) KiB"
if lintian --fail-on error --display-info "$deb" >"$work/lintian.log" 2>&1; then
    pass "lintian finds no errors ($(grep -c '^W:' "$work/lintian.log") warnings)"
else
    fail "lintian:"$'\n'"$(grep -v '^N:' "$work/lintian.log")"
fi
# Debian builds its programs with these; lintian tells of them only as information.
hardening=$(grep -E 'hardening-no-(bindnow|fortify-functions|relro)' "$work/lintian.log")
[[ -z "$hardening" ]] && pass "lintian finds every program bound at start and fortified" ||
    fail "lintian:"$'\n'"$hardening"
if ! DEBIAN_FRONTEND=noninteractive apt-get install -y -q -o DPkg::Lock::Timeout=120 "$deb" >"$work/apt.log" 2>&1; then
    cat "$work/apt.log"
    echo "FAIL: apt-get could not install the package"
    exit 1
fi
mapfile -t listed < <(dpkg -L "$PACKAGE")

# The command-line calculator from PATH, on the README's sample.
[[ "$(command -v pecunor-calc)" == /usr/bin/pecunor-calc ]] || fail "pecunor-calc is not on PATH as /usr/bin/pecunor-calc"
sheet=$(pecunor-calc --method 0 --start 1/15/2024 --periods 0 --v1 1000 --v2 10 --v3 3 \
    --today 2024-01-15 --locale en_US | tr -d '\r')
status=$?
if ((status == 0)) && grep -qE '^ +Future Value : +\$1,331\.00$' <<<"$sheet" &&
    grep -qE '^ +3 +1/15/2027 +\$121\.00 +\$1,331\.00$' <<<"$sheet"; then
    pass "pecunor-calc prints the future value sheet"
else
    fail "pecunor-calc sample (status $status):"$'\n'"$sheet"
fi
pecunor-calc --periods 9 >/dev/null 2>&1
status=$?
((status == 2)) && pass "pecunor-calc exits 2 on a usage error" || fail "pecunor-calc --periods 9 exited $status, not 2"

# Every option that the program knows has its entry in the manual page.
manual=$(MANWIDTH=200 man pecunor-calc 2>/dev/null)
undocumented=()
for option in $(pecunor-calc --help | grep -oE -- '--[a-z][a-z0-9-]*' | sort -u); do
    grep -qF -- "$option" <<<"$manual" || undocumented+=("$option")
done
if [[ -n "$manual" && ${#undocumented[@]} -eq 0 ]]; then
    pass "man pecunor-calc describes every option"
else
    fail "man pecunor-calc misses: ${undocumented[*]:-the whole page}"
fi
opecu_manual=$(MANWIDTH=200 man opecu97 2>/dev/null)
for word in SETUP UNINSTALL HELP "EXIT STATUS"; do
    grep -qF "$word" <<<"$opecu_manual" || fail "man opecu97 does not mention $word"
done

# The calculator window from PATH, through its link.
[[ "$(readlink -f "$(command -v opecu97)")" == "/usr/lib/$PACKAGE/OPecu97.exe" ]] ||
    fail "opecu97 on PATH does not lead to /usr/lib/$PACKAGE/OPecu97.exe"
QT_QPA_PLATFORM=offscreen opecu97 >"$work/opecu97.log" 2>&1 &
program_pid=$!
sleep 2
if kill -0 "$program_pid" 2>/dev/null; then
    pass "opecu97 is running after 2 s"
else
    wait "$program_pid"
    fail "opecu97 ended at once with status $?: $(cat "$work/opecu97.log")"
fi
kill "$program_pid" 2>/dev/null
wait "$program_pid" 2>/dev/null
program_pid=

# The help, found beside the program although it was started through the
# link: its viewer window appears (a missing help file shows a message box
# with a different title instead).
if timeout 30 xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        opecu97 HELP & viewer=$!
        timeout 15 xdotool search --sync --name "^Ostrel Pecunor 97 Help$" >/dev/null
        found=$?
        kill $viewer
        exit $found' >"$work/help.log" 2>&1; then
    pass "opecu97 HELP opens the help viewer"
else
    fail "opecu97 HELP showed no help viewer: $(cat "$work/help.log")"
fi

# The menu entry, its icon and the software-centre entry.
desktop_file=/usr/share/applications/$DESKTOP_ID.desktop
desktop-file-validate "$desktop_file" && pass "desktop-file-validate accepts $desktop_file" ||
    fail "desktop-file-validate rejects $desktop_file"
icon=$(sed -n 's/^Icon=//p' "$desktop_file")
for size in 16 22 24 32 48 64 128 256; do
    [[ "$(file -b "/usr/share/icons/hicolor/${size}x$size/apps/$icon.png")" == "PNG image data, $size x $size,"* ]] ||
        fail "no ${size}x$size icon named '$icon'"
done
[[ -f /usr/share/icons/hicolor/scalable/apps/$icon.svg ]] || fail "no scalable icon named '$icon'"
appstreamcli validate --no-net "/usr/share/metainfo/$DESKTOP_ID.metainfo.xml" >"$work/appstream.log" 2>&1 &&
    pass "appstreamcli accepts the metainfo file" || fail "appstreamcli: $(cat "$work/appstream.log")"
grep -qF "<launchable type=\"desktop-id\">$DESKTOP_ID.desktop</launchable>" "/usr/share/metainfo/$DESKTOP_ID.metainfo.xml" ||
    fail "the metainfo file does not launch $DESKTOP_ID.desktop"

# Removal leaves nothing that the package listed, its own folders included.
DEBIAN_FRONTEND=noninteractive apt-get remove -y -q -o DPkg::Lock::Timeout=120 "$PACKAGE" >"$work/apt.log" 2>&1 ||
    fail "apt-get remove failed: $(cat "$work/apt.log")"
dpkg --purge "$PACKAGE" >/dev/null 2>&1
installed && fail "$PACKAGE is still installed"
left=()
for path in "${listed[@]}"; do
    [[ "$path" == /. ]] && continue
    if [[ -L "$path" || -f "$path" ]] || [[ -d "$path" && "$path" == *"$PACKAGE"* ]]; then
        left+=("$path")
    fi
done
if ((${#listed[@]} > 30 && ${#left[@]} == 0)); then
    pass "removal left none of the ${#listed[@]} listed paths"
else
    fail "${#listed[@]} paths listed, left after removal: ${left[*]}"
fi

((failures == 0)) && echo "all checks passed" || echo "$failures checks failed"
((failures == 0))
