#!/usr/bin/env bash
# Builds the core and the side-by-side evaluation test with ThreadSanitizer into build-tsan and
# runs it: any data race between evaluations over one workspace fails.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVO_THREAD_SANITIZE=ON \
  -DKELVO_BUILD_GUI=OFF -DKELVO_BUILD_BENCH=OFF >/dev/null
cmake --build build-tsan --target kelvo_side_by_side_tests -j"$(nproc)"
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" build-tsan/tests/kelvo_side_by_side_tests
