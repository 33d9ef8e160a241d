#!/usr/bin/env bash
# Installs what is missing, builds and runs every test:
#   1. the normal (g++) build's tests,
#   2. the same tests built by clang++ with AddressSanitizer and
#      UndefinedBehaviorSanitizer, which replay the shipped recorded runs against
#      the pins the g++ build holds; the fuzz targets come from this build too and
#      each runs for a bounded time (FUZZ_SECONDS each, default 10).
# Tests that need a window run on Xvfb with Mesa's software OpenGL; one is started
# here when no display is set.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh

if [ -z "${DISPLAY:-}" ]; then
  Xvfb :97 -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
  export DISPLAY=:97
  for _ in $(seq 50); do
    [ -e /tmp/.X11-unix/X97 ] && break
    sleep 0.1
  done
fi
export LIBGL_ALWAYS_SOFTWARE=1
export SDL_AUDIODRIVER=dummy
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

status=0
summary=""
run_suite() {
  local folder=$1
  shift
  echo "== $folder: building"
  scripts/build.sh "$folder" "$@"
  echo "== $folder: testing"
  # One at a time: tests write levels and config files into the shared data folder.
  # A test that fails gets a second try, so one stalled frame on a loaded machine
  # does not fail the run; every failed try is listed at the end all the same.
  (cd "$folder" && ctest --output-on-failure --repeat until-pass:2 2>&1 | tee ctest.log) || status=1
  local tries
  tries=$(grep -E "Test +#[0-9]+: .*\*\*\*" "$folder/ctest.log" | sed -E 's/^.*Test +#[0-9]+: ([^ ]+) .*\*\*\*([^0-9]*[^ 0-9]) +[0-9].*$/  \1 (\2)/' || true)
  [ -n "$tries" ] && summary+="== $folder: failed tries"$'\n'"$tries"$'\n'
  return 0
}

run_suite build -DCMAKE_BUILD_TYPE=Release
# -O1 keeps the sanitizers' reports exact while the tests and fuzzers run faster.
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1" \
  "-DCMAKE_C_FLAGS_DEBUG=-g -O1" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DORVEX_SANITIZE=ON -DORVEX_FUZZ=ON -DORVEX_BENCH=OFF

# One fuzz target is one busy process: as many run at once as there are cores.
# Each prints its lines in one piece when it ends, so results do not interleave.
fuzz_one() {
  local name=$1 corpus=build-asan/corpus/$1 report
  mkdir -p "$corpus"
  [ -d "fuzz/corpus/$name" ] && cp -r "fuzz/corpus/$name/." "$corpus/"
  if (cd build-asan/bin && "./fuzz_$name" -max_total_time="${FUZZ_SECONDS:-10}" \
        -print_final_stats=1 "$root/$corpus" > "$root/build-asan/fuzz_$name.log" 2>&1); then
    report=$(grep -E "stat::number_of_executed_units" "build-asan/fuzz_$name.log" || true)
    printf "== fuzzed %s for %s s\n%s\n" "$name" "${FUZZ_SECONDS:-10}" "$report"
  else
    report=$(tail -40 "build-asan/fuzz_$name.log")
    printf "== fuzzed %s for %s s\n%s\nfuzz target %s failed\n" "$name" "${FUZZ_SECONDS:-10}" \
      "$report" "$name"
    return 1
  fi
}
export -f fuzz_one
export root
for fuzzer in build-asan/bin/fuzz_*; do
  echo "${fuzzer##*/fuzz_}"
done | xargs -P "$(nproc)" -I{} bash -c 'fuzz_one "$1"' _ {} || status=1

printf "%s" "$summary"
[ $status -eq 0 ] && echo "All test suites passed." || echo "Some tests FAILED."
exit $status
