#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks, builds Mirvo, makes a sample database
# beside the program when there is none, and opens the planner.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target mirvo mirvo-db
if [ ! -e build/DbPlanner.Mdb ]; then
  build/mirvo-db create --demo build
fi
exec build/mirvo "$@"
