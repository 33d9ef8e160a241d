#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it: scripts/play.sh [game options...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
exec build/bin/tumbowuffin "$@"
