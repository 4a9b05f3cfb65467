#!/usr/bin/env bash
# Records the outputs that golden_output_test compares with, from the program and the test
# program built in the folder given (default: build). The test program writes the files, so they
# are in the very form it compares: JSON pretty-printed, text as printed. Run it only for a
# deliberate change of output.
set -euo pipefail
cd "$(dirname "$0")"
build="../../../${1:-build}"
KELVO_RECORD_GOLDEN=1 "$build/tests/kelvo_cli_tests" --gtest_brief=1 \
    --gtest_filter='GoldenOutput.EveryRecordedCommandPrintsWhatItPrintedBefore'
