#!/bin/sh
# Installs what is missing, builds, and starts the game.
set -eu
cd "$(dirname "$0")/.."
./scripts/build.sh build
cd build/game
exec ./rockjaw
