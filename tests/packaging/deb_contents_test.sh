#!/usr/bin/env bash
# Packages the release build twice, the second time with every staged file and
# folder a day newer as if built later, and expects the same bytes, each time
# in the package the last commit's. Then reads the package without installing
# it: lintian and appstreamcli, both pedantic, raise nothing but the tags
# explained below, the menu entry asks for launch feedback, and the
# software-centre entry names the changelog's newest release and screenshots
# that the repository holds.
#   deb_contents_test.sh BUILD_DIR SOURCE_DIR
set -uo pipefail

readonly BUILD_DIR=$1 SOURCE_DIR=$2
readonly DESKTOP_ID=example.brackwell.OstrelPecunor97
readonly CHANGELOG=$SOURCE_DIR/packaging/changelog.Debian
# The component id is the desktop entry's name, on the maker's example domain:
# not a real one (cid-maybe-not-rdns) and with capitals (cid-contains-
# uppercase-letter); renaming it would orphan every menu entry installed so far.
readonly EXPLAINED_APPSTREAM_TAGS="cid-maybe-not-rdns cid-contains-uppercase-letter"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset SOURCE_DATE_EPOCH

package() { # NAME [cpack options]
    local name=$1
    shift
    if ! cpack --config "$BUILD_DIR/CPackConfig.cmake" -G DEB -B "$work/$name" "$@" >"$work/$name.log" 2>&1; then
        cat "$work/$name.log"
        echo "FAIL: cpack could not make the package"
        exit 1
    fi
    find "$work/$name" -maxdepth 1 -name '*.deb'
}

first=$(package first)
tomorrow=$(($(date +%s) + 86400))
cat >"$work/later.cmake" <<EOF
execute_process(COMMAND find "\${CPACK_TEMPORARY_INSTALL_DIRECTORY}" -exec touch -h -d @$tomorrow {} +
                COMMAND_ERROR_IS_FATAL ANY)
file(TOUCH "$work/touched")
EOF
second=$(package second -D CPACK_PRE_BUILD_SCRIPTS="$work/later.cmake")
[[ -f "$work/touched" ]] || fail "the staged files of the second package were not touched"
if cmp -s "$first" "$second"; then
    pass "two packages of the same tree are the same bytes: $(sha256sum <"$first" | cut -c1-16)…"
else
    fail "the two packages differ:"$'\n'"$(diff <(dpkg-deb -c "$first") <(dpkg-deb -c "$second") | head -5)"
fi
if commit_time=$(git -C "$SOURCE_DIR" log -1 --format=%ct 2>/dev/null); then
    times=$(dpkg-deb --fsys-tarfile "$first" | tar -t --utc --full-time -v | awk '{print $4 " " $5}' | sort -u)
    expected=$(date -u -d "@$commit_time" '+%F %T')
    [[ "$times" == "$expected" ]] && pass "every file and folder has the last commit's time, $expected" ||
        fail "times in the package:"$'\n'"$times"$'\n'"expected only $expected"
fi

# lintian, everything it can tell; the tags the package means are overridden
# with their reasons in packaging/lintian-overrides.
lintian --pedantic --display-info --display-experimental "$first" >"$work/lintian.log" 2>&1
told=$(grep -E '^[EWIPX]: ' "$work/lintian.log")
[[ -z "$told" ]] && pass "lintian --pedantic raises nothing unexplained" || fail "lintian --pedantic:"$'\n'"$told"

tree=$work/tree
dpkg-deb -x "$first" "$tree"
metainfo=$tree/usr/share/metainfo/$DESKTOP_ID.metainfo.xml
appstreamcli validate --pedantic --no-net "$metainfo" >"$work/appstream.log" 2>&1
unexplained=$(grep -E '^[EWIP]: ' "$work/appstream.log" | awk '{print $3}' | grep -vxF -e "${EXPLAINED_APPSTREAM_TAGS// /$'\n'}")
[[ -z "$unexplained" ]] && pass "appstreamcli --pedantic raises nothing unexplained" ||
    fail "appstreamcli --pedantic:"$'\n'"$(cat "$work/appstream.log")"

[[ "$(sed -n 's/^StartupNotify=//p' "$tree/usr/share/applications/$DESKTOP_ID.desktop")" == true ]] &&
    pass "the menu entry asks for launch feedback" || fail "the menu entry lacks StartupNotify=true"

# Each word and option of the window program's usage has its place in its manual page.
usage=$(env -u DISPLAY -u WAYLAND_DISPLAY LANGUAGE= LC_ALL=C.UTF-8 "$tree/usr/lib/ostrel-pecunor-97/OPecu97.exe" --help)
manual=$(MANWIDTH=200 man -l "$tree/usr/share/man/man1/opecu97.1.gz" 2>/dev/null)
undocumented=()
for word in $(grep -oE -- '(^|[ [,])(-{1,2}[a-zA-Z][a-z-]*|[A-Z]{4,})' <<<"$usage" | tr -d ' [,' | sort -u); do
    grep -qE -- "(^|[^a-zA-Z-])$word([^a-zA-Z-]|$)" <<<"$manual" || undocumented+=("$word")
done
[[ -n "$manual" && ${#undocumented[@]} -eq 0 ]] && pass "man opecu97 describes everything opecu97 --help names" ||
    fail "man opecu97 misses: ${undocumented[*]:-the whole page}"

# The newest changelog entry: the package's version, and the metainfo's first
# release without the Debian revision, on the entry's day.
debian_version=$(dpkg-parsechangelog -l "$CHANGELOG" -S Version)
release_day=$(date -u -d "$(dpkg-parsechangelog -l "$CHANGELOG" -S Date)" +%F)
[[ "$(dpkg-deb -f "$first" Version)" == "$debian_version" ]] ||
    fail "the package is $(dpkg-deb -f "$first" Version), the changelog's newest entry $debian_version"
first_release=$(grep -m1 -oE '<release version="[^"]*" date="[^"]*"' "$metainfo")
[[ "$first_release" == "<release version=\"${debian_version%-*}\" date=\"$release_day\"" ]] &&
    pass "the metainfo's newest release is the changelog's: $first_release" ||
    fail "the metainfo's newest release '$first_release' is not ${debian_version%-*} of $release_day"

# Each screenshot it names is one of the repository's, a PNG small enough to load at once.
mapfile -t shots < <(grep -oE '<image type="source">[^<]*' "$metainfo" | sed 's|.*/||')
for shot in "${shots[@]}"; do
    file=$SOURCE_DIR/packaging/screenshots/$shot
    [[ "$(file -b "$file")" == "PNG image data"* && $(stat -c %s "$file") -le 153600 ]] ||
        fail "screenshot $shot: $(file -b "$file" 2>&1)"
done
((${#shots[@]} >= 1)) && pass "${#shots[@]} screenshots, each in packaging/screenshots" || fail "no screenshots"

((failures == 0)) && echo "all checks passed" || echo "$failures checks failed"
((failures == 0))
