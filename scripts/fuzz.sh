#!/usr/bin/env bash
# Builds the fuzz targets with Clang into build-fuzz/ and runs each for the
# given seconds (60 by default) on a copy of its seed corpus, so the corpus in
# the repository stays as committed. Exits non-zero when any target finds a
# crash, a sanitizer report, a leak, a timeout or a mismatch with its oracle;
# the input that did it is kept in build-fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
targets=(fuzz_spinedit_value fuzz_page_counter)

scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVELO_FUZZ=ON -DBUILD_TESTING=OFF
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export ASAN_OPTIONS=detect_leaks=1

failed=0
passed=0
for target in "${targets[@]}"; do
  cp -r "fuzz/corpus/$target" "$work/$target"
  findings="build-fuzz/findings/$target"
  mkdir -p "$findings"
  echo "== $target: ${seconds}s"
  if ! "build-fuzz/fuzz/$target" "$work/$target" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$findings/"; then
    echo "== $target FAILED: see the report above and $findings/" >&2
    failed=$((failed + 1))
  else
    passed=$((passed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
