#!/usr/bin/env bash
# Builds the fuzz programs with clang (AddressSanitizer, UndefinedBehaviorSanitizer, libFuzzer)
# into build-fuzz and runs each for SECONDS (default 30), as many at once as there are cores.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]   (targets: see build-fuzz/fuzz-targets.txt)
# Fails when a program finds a crash, a leak, a hang (an input running over 10 s) or a broken
# promise; the input is then kept in build-fuzz/findings/<target>/, to be copied into
# fuzz/regressions/<target>/ once fixed, where the normal tests replay it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
shift || true

scripts/setup.sh
command -v clang++ >/dev/null || { echo "clang++ is missing: run scripts/setup.sh"; exit 2; }
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DKELVO_FUZZ=ON -DKELVO_BUILD_GUI=OFF -DKELVO_BUILD_TESTS=OFF -DKELVO_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --target kelvo_fuzz_programs -j"$(nproc)"

run_one() {
  local name="$1" program="$2" max_len="$3" seconds="$4"
  shift 4
  local corpus="build-fuzz/corpus/$name" findings="build-fuzz/findings/$name"
  local seed_dir="build-fuzz/seeds/$name"
  mkdir -p "$corpus" "$findings"
  rm -rf "$seed_dir" && mkdir -p "$seed_dir"
  local seed
  for seed in "$@"; do
    if [ -d "$seed" ]; then cp "$seed"/* "$seed_dir"/ 2>/dev/null || true; else cp "$seed" "$seed_dir"/; fi
  done
  local log="build-fuzz/findings/$name.log"
  local status=0
  ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 LSAN_OPTIONS=suppressions=fuzz/lsan.supp \
    QT_QPA_PLATFORM=offscreen \
    "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="$max_len" \
    -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "$seed_dir" >"$log" 2>&1 || status=$?
  local runs
  runs=$(grep -o "stat::number_of_executed_units: *[0-9]*" "$log" | head -1 | grep -o "[0-9]*$" || echo 0)
  if [ "$status" -ne 0 ]; then
    echo "FINDING  $name after ${runs:-0} executions (see $log, input in $findings/)"
    grep -m3 -E 'ERROR|broken promise|SUMMARY' "$log" || true
    return 1
  fi
  echo "clean    $name: ${runs:-0} executions in $seconds s"
}
export -f run_one

selected=("$@")
failed=0
while read -r name program max_len seeds; do
  if [ "${#selected[@]}" -gt 0 ] && [[ ! " ${selected[*]} " =~ " $name " ]]; then
    continue
  fi
  echo "$name $program $max_len $seconds $seeds"
done <build-fuzz/fuzz-targets.txt |
  xargs -P"$(nproc)" -L1 bash -c 'run_one "$@"' _ || failed=1

if [ "$failed" -ne 0 ]; then
  echo "Fuzzing found a fault"
  exit 1
fi
echo "Fuzzing found nothing"
