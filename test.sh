#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks, builds Mirvo and runs the whole test suite.
# The data tests run twice: on SQLite files and on a throwaway PostgreSQL cluster that this
# script starts on loopback in a temporary folder and removes afterwards.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
# The same build folder and type as ./run.sh, so running one after the other rebuilds nothing.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"

pg="$(pwd)/scripts/test-postgres.sh"
cluster=$(mktemp -d /tmp/mirvo-pg.XXXXXX)
trap '"$pg" stop "$cluster"' EXIT
MIRVO_TEST_PG=$("$pg" start "$cluster")
export MIRVO_TEST_PG

cd build
status=0
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" || status=$?
exit $status
