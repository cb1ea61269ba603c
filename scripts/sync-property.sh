#!/usr/bin/env bash
# The sync convergence property test with random seeds, for developers: the
# test command runs it with one fixed seed; this runs it again and again with
# new ones and stops at the first failure, printing the seed so the run can
# be repeated exactly (as far as the network's timing allows):
#
#   QUILLBY_PROPERTY_SEED=<seed> build/tests/services/tst_services_syncconvergence
#
# Usage: scripts/sync-property.sh [RUNS] [OPERATIONS] [BUILD_DIR]
#   RUNS        how many seeds to try (default 20; 0 runs until a failure)
#   OPERATIONS  random operations per run (default 1000)
#   BUILD_DIR   the build tree (default ./build), where the test is built with
#               cmake --build BUILD_DIR --target tst_services_syncconvergence
set -u

runs=${1:-20}
operations=${2:-1000}
build=${3:-build}
test_binary="$build/tests/services/tst_services_syncconvergence"

if [[ ! -x "$test_binary" ]]; then
    echo "sync-property: $test_binary is not built" >&2
    exit 2
fi

run=0
while [[ "$runs" -eq 0 || "$run" -lt "$runs" ]]; do
    run=$((run + 1))
    seed=$(od -An -N6 -tu8 /dev/urandom | tr -d ' ')
    log=$(mktemp)
    if QT_QPA_PLATFORM=offscreen QUILLBY_TEST=1 QUILLBY_PROPERTY_SEED="$seed" QUILLBY_PROPERTY_OPERATIONS="$operations" \
        "$test_binary" >"$log" 2>&1; then
        echo "run $run: seed $seed passed"
        rm -f "$log"
    else
        cat "$log"
        echo "run $run: seed $seed FAILED (log above; repeat with QUILLBY_PROPERTY_SEED=$seed)" >&2
        rm -f "$log"
        exit 1
    fi
done
echo "all $run seeds passed"
