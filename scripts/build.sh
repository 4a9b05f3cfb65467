#!/usr/bin/env bash
# Configures and builds into the folder given (default: build). Extra arguments go to CMake;
# KELVO_WERROR=ON in the environment makes warnings errors (CI); unset, the folder keeps what it
# was configured with.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
shift || true
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${KELVO_WERROR:+-DKELVO_WERROR="$KELVO_WERROR"} "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
