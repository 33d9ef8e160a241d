#!/usr/bin/env bash
# Installs what is missing, builds and runs every test:
#   1. the normal build's tests,
#   2. the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer,
#   3. the clang++ fuzz build: the shipped recorded runs replayed against the pins
#      the g++ builds hold, then every fuzz target for a bounded time
#      (FUZZ_SECONDS each, default 20).
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
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DORVEX_SANITIZE=ON -DORVEX_BENCH=OFF

if ls fuzz/*_fuzz.cpp >/dev/null 2>&1; then
  echo "== build-fuzz: building"
  scripts/build.sh build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
    -DCMAKE_CXX_COMPILER=clang++ -DORVEX_FUZZ=ON -DORVEX_TESTS=OFF -DORVEX_BENCH=OFF
  echo "== build-fuzz: the recorded runs in the clang++ build"
  (cd build-fuzz/bin && ./level_runs --gtest_filter='LevelRun.*') || status=1
  for fuzzer in build-fuzz/bin/fuzz_*; do
    name=${fuzzer##*/fuzz_}
    corpus=build-fuzz/corpus/$name
    mkdir -p "$corpus"
    [ -d "fuzz/corpus/$name" ] && cp -r "fuzz/corpus/$name/." "$corpus/"
    echo "== fuzzing $name for ${FUZZ_SECONDS:-20} s"
    if (cd build-fuzz/bin && "./fuzz_$name" -max_total_time="${FUZZ_SECONDS:-20}" \
          -print_final_stats=1 "$root/$corpus" > "$root/build-fuzz/fuzz_$name.log" 2>&1); then
      grep -E "stat::number_of_executed_units" "build-fuzz/fuzz_$name.log" || true
    else
      tail -40 "build-fuzz/fuzz_$name.log"
      echo "fuzz target $name failed"
      status=1
    fi
  done
fi

printf "%s" "$summary"
[ $status -eq 0 ] && echo "All test suites passed." || echo "Some tests FAILED."
exit $status
