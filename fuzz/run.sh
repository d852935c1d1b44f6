#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and AddressSanitizer and runs each for a bounded
# time:   fuzz/run.sh [SECONDS]   (default 60 per target)
# Findings (crashing inputs) are written to fuzz/out/<target>/; the corpus grows in fuzz/corpus/.
set -euo pipefail
cd "$(dirname "$0")"
seconds=${1:-60}
src=../src
out=out
mkdir -p "$out/bin"
flags=(-std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
       -I"$src" $(pkg-config --cflags Qt6Core))
libs=($(pkg-config --libs Qt6Core))
build() {
  local name=$1; shift
  clang++ "${flags[@]}" "$name.cpp" "$@" "${libs[@]}" -o "$out/bin/$name"
}
build fuzz_settings "$src"/app/settings/{inidocument,inifile,iniinteger,settingsfile,settingsformvalues,folders}.cpp
build fuzz_time "$src"/appointments/validtime.cpp "$src"/platform/regionalsettings.cpp

status=0
for target in fuzz_settings fuzz_time; do
  mkdir -p "corpus/$target" "$out/$target"
  echo "== $target for ${seconds}s"
  "$out/bin/$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$out/$target/" "corpus/$target" "seeds/$target" 2>&1 | tail -n 12 || status=1
done
exit $status
