#!/usr/bin/env bash
# Records the outputs that golden_output_test compares with, from the program built in the
# folder given (default: build). Run it only for a deliberate change of output.
set -euo pipefail
cd "$(dirname "$0")"
program="../../../${1:-build}/src/kelvo"
data="$(cd ../../../data && pwd)"
while read -r name command rest; do
    [ -n "$name" ] || continue
    # shellcheck disable=SC2086
    "$program" $command --data "$data" $rest 2>&1 | sed -e "s|$data|\$DATA|g" -e "s|\"data\": \"[^\"]*\"|\"data\": \"\$DATE\"|" >"$name.out" || true
done <commands.txt
