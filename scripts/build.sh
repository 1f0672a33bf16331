#!/bin/sh
# Configures and builds into build/ (or the folder given), after set-up.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
build="${1:-build}"
shift 2>/dev/null || true
cmake -S . -B "$build" "$@"
cmake --build "$build" -j "$(nproc)"
