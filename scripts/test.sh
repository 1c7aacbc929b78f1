#!/usr/bin/env bash
# The whole check: the release build (warnings are errors in its preset) and
# its tests, the same under AddressSanitizer and UndefinedBehaviorSanitizer, then a
# minute of fuzzing the engine. Every stage runs even when an earlier one
# failed, so one run shows every failure; the exit status says whether all
# passed.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit

readonly JOBS=2
# The whole check includes the tests that install the Debian package into this
# machine and purge it again (label "system"); a plain ctest skips them.
# PECUNOR_SYSTEM_TESTS=0 scripts/test.sh leaves the machine alone.
export PECUNOR_SYSTEM_TESTS=${PECUNOR_SYSTEM_TESTS:-1}
readonly FUZZ_SECONDS=60
readonly FUZZ_DIR=build/fuzz
readonly FUZZ_PROGRAM=$FUZZ_DIR/fuzz/fuzz_engine

passed_tests=0
failed_tests=0
failed_stages=0
stage_results=()

step() {
    printf '\n== %s\n' "$*"
}

# Adds the counts of ctest's closing line, "100% tests passed, 0 tests failed out of 42".
count_tests() {
    local log=$1 counts
    [[ -f "$log" ]] || return 1
    counts=$(sed -nE 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1 \2/p' "$log" | tail -n 1)
    [[ -n "$counts" ]] || return 1
    local failed=${counts% *} total=${counts#* }
    failed_tests=$((failed_tests + failed))
    passed_tests=$((passed_tests + total - failed))
}

build_and_test() {
    local preset=$1 log=build/$1/ctest.log status
    rm -f "$log"
    step "$preset: configure" && cmake --preset "$preset" &&
        step "$preset: build" && cmake --build --preset "$preset" -j "$JOBS" &&
        step "$preset: test" &&
        ctest --preset "$preset" --output-on-failure --no-tests=error -j "$JOBS" 2>&1 | tee "$log"
    status=$?
    # A stage that stopped before its tests counts as one failed test.
    count_tests "$log" || failed_tests=$((failed_tests + 1))
    return "$status"
}

fuzz_engine() {
    local log=$FUZZ_DIR/fuzz.log status
    step "fuzz: configure" && cmake --preset fuzz &&
        step "fuzz: build" && cmake --build --preset fuzz -j "$JOBS" &&
        step "fuzz: run for $FUZZ_SECONDS s" &&
        mkdir -p "$FUZZ_DIR/corpus" "$FUZZ_DIR/artifacts" &&
        "$FUZZ_PROGRAM" -max_total_time="$FUZZ_SECONDS" -timeout=25 -print_final_stats=1 \
            -artifact_prefix="$FUZZ_DIR/artifacts/" "$FUZZ_DIR/corpus" fuzz/seeds >"$log" 2>&1
    status=$?
    if [[ -f "$log" ]]; then
        # The report of a crash and the input that caused it close the log.
        if ((status == 0)); then tail -n 8 "$log"; else tail -n 60 "$log"; fi
    fi
    # The fuzzing run counts as one test.
    if ((status == 0)); then passed_tests=$((passed_tests + 1)); else failed_tests=$((failed_tests + 1)); fi
    return "$status"
}

run_stage() {
    local name=$1
    shift
    if "$@"; then
        stage_results+=("$(printf '%-11s passed' "$name")")
    else
        stage_results+=("$(printf '%-11s FAILED' "$name")")
        failed_stages=$((failed_stages + 1))
    fi
}

step "packages"
if ! bash scripts/install-deps.sh; then
    echo "test.sh: the packages could not be installed"
    echo "tests: 0 passed, 1 failed"
    exit 1
fi

run_stage release build_and_test release
run_stage debug-asan build_and_test debug-asan
run_stage fuzz fuzz_engine

step "summary"
printf '%s\n' "${stage_results[@]}"
echo "tests: $passed_tests passed, $failed_tests failed"
((failed_stages == 0 && failed_tests == 0))
