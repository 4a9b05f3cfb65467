#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over the core's sources, as CI does; any finding
# fails. Needs a configured build folder for its compile commands (default: build).
# Usage: scripts/tidy.sh [BUILD_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
[ -f "$dir/compile_commands.json" ] || { echo "no $dir/compile_commands.json: build first"; exit 2; }
mapfile -t sources < <(git ls-files 'src/core/*.cpp')
run-clang-tidy -quiet -p "$dir" -j "$(nproc)" "${sources[@]/#/$PWD/}" >"$dir/tidy.log" 2>&1 || {
  grep -E "(warning|error):" "$dir/tidy.log" | sort -u | head -40
  echo "clang-tidy: findings in the core (see $dir/tidy.log)"
  exit 1
}
echo "clang-tidy clean: ${#sources[@]} core files"
