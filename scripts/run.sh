#!/usr/bin/env bash
# Builds the release and starts the calculator. Arguments, if any, go to the
# program instead of the sample ones.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# The program this script builds and starts.
readonly PROGRAM_TARGET=pecunor-calc
readonly PROGRAM_PATH=build/release/cli/pecunor-calc
# Future value of 1,000 at 10 % a year after 3 years.
readonly SAMPLE_ARGUMENTS=(--method 0 --v1 1000 --v2 10 --v3 3 --periods 0)

start_program() {
    if (($# == 0)); then
        set -- "${SAMPLE_ARGUMENTS[@]}"
    fi
    echo "+ $PROGRAM_PATH $*"
    exec "$PROGRAM_PATH" "$@"
}

bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target "$PROGRAM_TARGET" -j 2
start_program "$@"
