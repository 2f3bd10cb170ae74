#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game from the build's run folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
cd "$root/build"
exec ./tavlo
