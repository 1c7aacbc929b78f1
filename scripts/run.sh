#!/usr/bin/env bash
# Builds the release and starts the calculator. It is the build folder and
# the compile flags of scripts/test.sh, so running both compiles each object
# once. Without a display it says so and runs the README's sample calculation
# with the command-line tool instead; arguments, if any, replace the sample's.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

readonly PROGRAM_PATH=build/release/bin/OPecu97
readonly CALC_PATH=build/release/cli/pecunor-calc
# Future value of 1,000 at 10 % a year after 3 years: the README's sample,
# with its start date, today and US forms, so it prints the same lines here.
readonly SAMPLE_ARGUMENTS=(--method 0 --start 1/15/2024 --periods 0 --v1 1000 --v2 10 --v3 3
    --today 2024-01-15 --locale en_US)

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
