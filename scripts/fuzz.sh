#!/usr/bin/env bash
# Runs every libFuzzer harness (or the ones named) for SECONDS each, default 60.
#   scripts/fuzz.sh            # 60 s per harness
#   scripts/fuzz.sh 5          # the CI smoke
#   scripts/fuzz.sh 900 ini    # a long run of one harness
# Builds build-fuzz/ with clang first. Each harness starts from its seeds in fuzz/corpus/<name>/
# plus what earlier runs found (build-fuzz/corpus/<name>/, kept between runs). An input that breaks
# an invariant, crashes, trips a sanitizer or hangs is saved in build-fuzz/artifacts/<name>/ and
# makes the script fail; replay it with build-fuzz/fuzz-bin/fuzz_<name> <file>.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH=${1:-60}
shift || true
BUILD_DIR=${STRUMLY_FUZZ_BUILD_DIR:-build-fuzz}
JOBS=${STRUMLY_JOBS:-2}

mkdir -p "$BUILD_DIR/logs"
if ! { [ -f "$BUILD_DIR/build.ninja" ] ||
       CC=clang CXX=clang++ cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
         -DSTRUMLY_BUILD_FUZZ=ON -DSTRUMLY_BUILD_GUI=OFF -DSTRUMLY_BUILD_TESTS=OFF -DSTRUMLY_BUILD_BENCH=OFF; } \
     >"$BUILD_DIR/logs/build.log" 2>&1 ||
   ! cmake --build "$BUILD_DIR" -j "$JOBS" --target fuzzers >>"$BUILD_DIR/logs/build.log" 2>&1; then
  cat "$BUILD_DIR/logs/build.log" >&2
  exit 1
fi

if [ $# -gt 0 ]; then
  HARNESSES=("$@")
else
  HARNESSES=()
  for exe in "$BUILD_DIR"/fuzz-bin/fuzz_*; do HARNESSES+=("${exe##*/fuzz_}"); done
fi

# Harnesses that read through a file name get a private scratch folder, on the RAM disk if any.
SCRATCH_PARENT=/tmp
[ -w /dev/shm ] && SCRATCH_PARENT=/dev/shm
SCRATCH=$(mktemp -d "$SCRATCH_PARENT/strumly-fuzz.XXXXXX")
trap 'rm -rf "$SCRATCH"' EXIT
export STRUMLY_FUZZ_TMPDIR=$SCRATCH
# Allocation stacks and a big quarantine cost more than the readers themselves; replay a found
# input without these options for full allocation stacks.
export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1:malloc_context_size=0:quarantine_size_mb=16}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

failed=()
printf '%-10s %12s %10s %8s  %s\n' harness executions exec/s new result
for name in "${HARNESSES[@]}"; do
  exe=$BUILD_DIR/fuzz-bin/fuzz_$name
  [ -x "$exe" ] || { echo "no harness fuzz_$name" >&2; failed+=("$name"); continue; }
  corpus=$BUILD_DIR/corpus/$name
  artifacts=$BUILD_DIR/artifacts/$name
  log=$BUILD_DIR/logs/$name.log
  mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
  seeds=()
  [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
  max_len=4096
  [ "$name" = ini ] && max_len=2048  # every run reads the file dozens of times
  result=ok
  if ! "$exe" -max_total_time="$SECONDS_EACH" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    if grep -q 'run interrupted' "$log"; then
      result="interrupted"
    else
      result="FOUND: $(grep -m1 -E 'invariant broken|ERROR:|runtime error' "$log" || echo 'see log')"
    fi
    failed+=("$name")
  fi
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  added=$(sed -n 's/^stat::new_units_added: *//p' "$log" | tail -1)
  printf '%-10s %12s %10s %8s  %s\n' "$name" "${execs:-?}" "${rate:-?}" "${added:-?}" "$result"
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found problems in: ${failed[*]} (inputs in $BUILD_DIR/artifacts/, logs in $BUILD_DIR/logs/)" >&2
  exit 1
fi
