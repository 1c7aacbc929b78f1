#!/usr/bin/env bash
# Fuzzes the engine for as many minutes as asked (default 10), growing the
# corpus that scripts/test.sh fuzzes from, and prints the executions, the
# corpus size and the result. A crashing input lands in build/fuzz/artifacts/.
# Exits non-zero when the fuzzer finds a fault or cannot be built.
#   scripts/fuzz.sh [MINUTES]
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit

readonly MINUTES=${1:-10}
readonly FUZZ_DIR=build/fuzz
readonly FUZZ_PROGRAM=$FUZZ_DIR/fuzz/fuzz_engine
readonly CORPUS=$FUZZ_DIR/corpus
readonly LOG=$FUZZ_DIR/fuzz-long.log

if ! [[ "$MINUTES" =~ ^[0-9]+$ ]] || ((MINUTES == 0)); then
    echo "usage: scripts/fuzz.sh [MINUTES]  (a whole number of minutes, at least 1)" >&2
    exit 2
fi

bash scripts/install-deps.sh || exit
cmake --preset fuzz >/dev/null || exit
cmake --build --preset fuzz -j 2 || exit
mkdir -p "$CORPUS" "$FUZZ_DIR/artifacts"

corpus_files() { find "$CORPUS" -type f | wc -l; }
readonly corpus_before=$(corpus_files)

echo "fuzz.sh: fuzzing the engine for $MINUTES min, corpus $CORPUS ($corpus_before inputs), log $LOG"
# The seeds are read but never written: new inputs go to the corpus only.
"$FUZZ_PROGRAM" -max_total_time=$((MINUTES * 60)) -timeout=25 -print_final_stats=1 \
    -artifact_prefix="$FUZZ_DIR/artifacts/" "$CORPUS" fuzz/seeds >"$LOG" 2>&1
status=$?

executions=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+)/\1/p' "$LOG" | tail -n 1)
speed=$(sed -nE 's/^stat::average_exec_per_sec: *([0-9]+)/\1/p' "$LOG" | tail -n 1)
coverage=$(grep -oE 'cov: [0-9]+' "$LOG" | tail -n 1)
# The fuzzer's own count leaves out the inputs it has since replaced by smaller ones.
kept=$(grep -oE 'corp: [0-9]+/[0-9]+[a-zA-Z]*' "$LOG" | tail -n 1)
echo "executions: ${executions:-unknown} (${speed:-?} per second)"
echo "corpus: $(corpus_files) files (was $corpus_before), ${kept:-corp: unknown} in use, ${coverage:-cov: unknown} edges"
if ((status == 0)); then
    echo "result: no fault found"
else
    # The report of the fault and the input that caused it close the log.
    tail -n 60 "$LOG"
    echo "result: FAULT (exit status $status), input saved under $FUZZ_DIR/artifacts/"
fi
exit "$status"
