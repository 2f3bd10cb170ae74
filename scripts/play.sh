#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game from the build's run folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
echo "play: the game window is not built yet; nothing to start." >&2
exit 1
