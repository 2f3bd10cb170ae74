#!/usr/bin/env bash
# Configures and builds Tavlo into build/ (the game's run folder is build/ itself).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
cmake --build "$root/build"
