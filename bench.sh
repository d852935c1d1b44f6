#!/usr/bin/env bash
# Builds a release build with the benchmarks and runs mirvo-bench, passing the arguments on
# (for example --benchmark_format=json or --benchmark_filter=BM_Reread).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DMIRVO_BUILD_BENCH=ON -DMIRVO_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench -j"$(nproc)" --target mirvo-bench
exec build-bench/mirvo-bench "$@"
