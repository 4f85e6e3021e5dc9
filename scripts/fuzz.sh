#!/usr/bin/env bash
# Builds the libFuzzer targets with clang 14 (ASan + UBSan) in build/fuzz, writes their
# seed corpora, and runs each target for a bounded time. An input that crashes a target
# is copied to tests/fuzz/regressions/<target>/, where test_fuzz_regressions replays it
# in every build from then on. The exit status is non-zero when any target failed.
#
#   QUELMAR_FUZZ_SECONDS   seconds per target (default 60)
#   QUELMAR_FUZZ_TARGETS   which targets (default: fuzz_document fuzz_receive fuzz_send
#                          fuzz_json_import fuzz_csv_import fuzz_transponder_list)
set -uo pipefail
cd "$(dirname "$0")/.."

SECONDS_PER_TARGET=${QUELMAR_FUZZ_SECONDS:-60}
TARGETS=${QUELMAR_FUZZ_TARGETS:-"fuzz_document fuzz_receive fuzz_send fuzz_json_import fuzz_csv_import fuzz_transponder_list"}
BUILD=build/fuzz
CXX_BIN=$(command -v clang++-14 || command -v clang++ || true)
if [ -z "$CXX_BIN" ]; then
  echo "fuzz: clang++ not found" >&2
  exit 1
fi

cmake -S . -B "$BUILD" -G Ninja -DCMAKE_CXX_COMPILER="$CXX_BIN" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUELMAR_FUZZ=ON -DQUELMAR_GUI=OFF -DQUELMAR_BENCH=OFF >/dev/null || exit 1
# shellcheck disable=SC2086
cmake --build "$BUILD" -j "$(nproc)" --target make_fuzz_seeds $TARGETS || exit 1

rm -rf "$BUILD/seeds"
"$BUILD/make_fuzz_seeds" "$BUILD/seeds" || exit 1

max_len() {
  case $1 in
    fuzz_document) echo 460000 ;;  # a whole image, with room for an editing script
    fuzz_receive) echo 16384 ;;
    fuzz_json_import) echo 2097152 ;;  # the sample databases export to 1.8 MB
    fuzz_csv_import) echo 65536 ;;
    fuzz_transponder_list) echo 65536 ;;
    *) echo 4096 ;;
  esac
}

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
summary=""
for target in $TARGETS; do
  corpus="$BUILD/corpus/$target"
  artifacts="$BUILD/artifacts/$target"
  mkdir -p "$corpus" "$artifacts"
  log="$BUILD/$target.log"
  echo "== $target: ${SECONDS_PER_TARGET}s =="
  "$BUILD/$target" "$corpus" "$BUILD/seeds/$target" \
    -max_total_time="$SECONDS_PER_TARGET" -max_len="$(max_len "$target")" -timeout=60 \
    -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$artifacts/" >"$log" 2>&1
  rc=$?
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1)
  secs=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
  line="$target: ${execs:-?} executions (${secs:-?}/s), ${cov:-cov: ?}, exit $rc"
  echo "$line"
  summary+="$line"$'\n'
  if [ $rc -ne 0 ]; then
    status=1
    tail -40 "$log"
    mkdir -p "tests/fuzz/regressions/$target"
    for f in "$artifacts"/*; do
      [ -f "$f" ] || continue
      cp "$f" "tests/fuzz/regressions/$target/"
      echo "fuzz: kept $(basename "$f") as a regression input of $target"
    done
  fi
done
echo "== fuzzing summary =="
printf '%s' "$summary"
exit $status
