#!/usr/bin/env bash
# Builds the release and starts the calculator. Without a display it says so
# and runs a sample calculation with the command-line tool instead; arguments,
# if any, then replace the sample ones.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

readonly PROGRAM_PATH=build/release/bin/OPecu97
readonly CALC_PATH=build/release/cli/pecunor-calc
# Future value of 1,000 at 10 % a year after 3 years.
readonly SAMPLE_ARGUMENTS=(--method 0 --v1 1000 --v2 10 --v3 3 --periods 0)

has_display() {
    [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]
}

start_program() {
    echo "+ $PROGRAM_PATH"
    exec "$PROGRAM_PATH"
}

run_sample() {
    echo "No display (DISPLAY and WAYLAND_DISPLAY are unset): the window cannot open."
    echo "A sample calculation with the command-line tool instead:"
    if (($# == 0)); then
        set -- "${SAMPLE_ARGUMENTS[@]}"
    fi
    echo "+ $CALC_PATH $*"
    exec "$CALC_PATH" "$@"
}

bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target OPecu97 pecunor-calc -j 2
if has_display; then
    start_program
else
    run_sample "$@"
fi
