#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each for a while.
#   fuzz.sh [seconds per target, default 20]
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
"$repo/scripts/build.sh" native >/dev/null   # the generated string ids
out=$repo/build/fuzz
mkdir -p "$out"
flags=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -I"$repo" -I"$repo/build/native/generated")
common=("$repo/core/Texts.cpp" "$repo/core/TextUtil.cpp" "$repo/resources/EnglishTexts.cpp")
declare -A targets=(
  [MaskFuzz]="$repo/services/Masks.cpp"
)
for target in "${!targets[@]}"; do
  clang++ "${flags[@]}" "$repo/tests/fuzz/$target.cpp" ${targets[$target]} "${common[@]}" -o "$out/$target"
  mkdir -p "$out/$target.corpus"
  "$out/$target" -max_total_time="$seconds" -print_final_stats=1 "$out/$target.corpus" 2>&1 | tail -3
done
