#!/usr/bin/env bash
# Installs what is missing, builds, and runs every benchmark, printing each
# figure beside its target. The figures are measurements: a FAIL does not
# fail the script; a benchmark that could not measure does.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh || exit 1

failed=0
for bench in bench_printrun bench_startup bench_clock; do
  QT_QPA_PLATFORM=offscreen "build/bench/$bench" || { echo "$bench could not measure" >&2; failed=1; }
done
exit "$failed"
