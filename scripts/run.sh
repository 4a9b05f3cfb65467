#!/usr/bin/env bash
# Sets up the machine, builds, and starts the program on the shipped sample catalogue.
# Arguments are passed to the program (for example: --data /path/to/catalogue).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: the desktop program needs one; the command line works without it, for example build/src/kelvo select --family BOX --refrigerant R404A --to 0 --ambient 32 (build/src/kelvo --help lists the commands):"
  exec build/src/kelvo select --family BOX --refrigerant R404A --to 0 --ambient 32 "$@"
fi
exec build/src/kelvo "$@"
