#!/usr/bin/env bash
# Fuzzes the targets under AddressSanitizer and UndefinedBehaviorSanitizer (the fuzz preset):
#   bash fuzz/run.sh                      every target for 60 seconds
#   bash fuzz/run.sh settings_file 3600   one target for an hour
# Each target starts from its committed seeds (fuzz/<target>/corpus) and keeps what it finds
# new in build/fuzz/corpus/<target>, so a later run goes on from there. A finding (crash-*,
# leak-*, timeout-*) is written to build/fuzz/findings/<target>/; replay it with
# build/fuzz/fuzz/fuzz_<target> <file>.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

seconds=${2:-60}
if [[ -n ${1:-} ]]; then
  targets=("$1")
else
  targets=()
  for source in fuzz/*/*_fuzz.cpp; do
    targets+=("$(basename "$(dirname "$source")")")
  done
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${targets[@]/#/fuzz_}"
for target in "${targets[@]}"; do
  work=build/fuzz/corpus/$target
  findings=build/fuzz/findings/$target
  mkdir -p "$work" "$findings"
  echo "== $target: $seconds s"
  "build/fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$work" "fuzz/$target/corpus"
done
