#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang in build-fuzz/ and runs
# each for a short time (FUZZ_SECONDS, default 20) from its seed corpus in
# fuzz/corpus/<target>. Fails on the first crash, leak or sanitizer report;
# the input that caused it is left in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-20}
jobs=$(nproc 2>/dev/null || echo 2)
targets=(fuzz_saldo_mapping fuzz_praemien fuzz_ini_file)

if ! command -v clang++ >/dev/null; then
  echo "fuzz.sh: clang++ is needed (libFuzzer)" >&2
  exit 1
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSSTRXK_FUZZ=ON -DSSTRXK_TESTS=OFF
cmake --build build-fuzz -j"$jobs" --target "${targets[@]}"

mkdir -p build-fuzz/artifacts
for target in "${targets[@]}"; do
  echo "== $target, ${seconds} s"
  corpus=$(mktemp -d)
  # New inputs go to the temporary corpus; the seeds in the tree stay as they are.
  status=0
  # Absolute paths: each target moves into a working directory of its own.
  "$PWD/build-fuzz/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$PWD/build-fuzz/artifacts/$target-" "$corpus" "$PWD/fuzz/corpus/$target" || status=$?
  rm -rf "$corpus"
  if [ "$status" -ne 0 ]; then
    echo "fuzz.sh: $target failed (exit code $status)" >&2
    exit "$status"
  fi
done
echo "fuzz.sh: no crashes"
