#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in the plain
# build, once more with AddressSanitizer and UndefinedBehaviorSanitizer, then
# each fuzz target for a minute.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh build
(cd build && ctest --output-on-failure --timeout 900)

scripts/build.sh build-asan -DTAVELO_SANITIZE=ON
(cd build-asan && ctest --output-on-failure --timeout 1800)

scripts/fuzz.sh 60
