#!/usr/bin/env bash
# The release checks, each bounded in time: a sanitizer build with every
# test, the fuzzers, the voices' intelligibility, and the Debian package with
# lintian's review of it.
# scripts/test.sh runs them after the main build, whose tests then include
# the package, fault and soak tests.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"

stage() { echo "== $1 ($(date +%T))"; }

stage "AddressSanitizer and UndefinedBehaviorSanitizer build and tests"
# The voices depend only on the course text; the generator skips lines it
# has spoken already, so the main build's voices are reused.
if [ -d build/SOUND ] && [ ! -d build-sanitize/SOUND ]; then
  mkdir -p build-sanitize && cp -a build/SOUND build-sanitize/
fi
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitize/lsan.supp:print_suppressions=0"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTYPEKO_SANITIZE=ON -DTYPEKO_RELEASE_TESTS=ON
cmake --build build-sanitize
timeout 1500 ctest --test-dir build-sanitize --output-on-failure -j "$jobs" --timeout 600

stage "fuzzing"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTYPEKO_FUZZ=ON
cmake --build build-fuzz --target fuzzers
for name in LoadCourse ReadProgress ReadLastUser Markup Example; do
  # The working corpus grows between runs; the seeds stay in the repository.
  work="build-fuzz/corpus/$name"
  log="build-fuzz/fuzz-$name.log"
  mkdir -p "$work" build-fuzz/crashes
  status=0
  timeout 120 "build-fuzz/tests/fuzz/fuzz_$name" -max_total_time="${TYPEKO_FUZZ_SECONDS:-30}" -print_final_stats=1 \
    -artifact_prefix="build-fuzz/crashes/$name-" "$work" "tests/fuzz/corpus/$name" >"$log" 2>&1 || status=$?
  echo "fuzz_$name: $(grep -h '^stat::number_of_executed_units' "$log" || true), corpus $(ls "$work" | wc -l) files, exit $status"
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$log"
    exit 1
  fi
done
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

stage "voices understood by a speech recogniser"
# pocketsphinx must understand the main build's voices: at most 8 % word
# error rate over a fixed sample of sentences and at least 90 % of the word
# voices heard as their own word among the course's words.
if [ ! -f build/SOUND/voices.txt ]; then
  echo "the main build made no voices: flite, sox or lame is missing"
  exit 1
fi
timeout 300 python3 tests/voices/intelligibility.py build --jobs "$jobs" ||
  { echo "the voices failed the recogniser's check or it ran past its 5 minutes"; exit 1; }

stage "Debian package"
(cd build && cpack -G DEB)
lintian --fail-on error --tag-display-limit 0 build/typeko_*.deb
