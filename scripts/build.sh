#!/usr/bin/env bash
# Installs what is missing, then configures and builds.
# Usage: scripts/build.sh [build folder] [more cmake options]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-build}
shift || true
scripts/install-deps.sh
cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$folder" -j"$(nproc)"
