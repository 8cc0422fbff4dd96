#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test
# twice: once as built for use, once under AddressSanitizer and
# UndefinedBehaviorSanitizer; the engine tests, which hold the worker pool,
# run a third time under ThreadSanitizer. The program as built for use also runs once
# under a real window manager (tests/gui). The benchmarks run once in a short
# mode so that they keep compiling and running; their figures are not judged
# here.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

echo "== Build and test =="
bash scripts/build.sh build-test -DTESSAPLUN_WERROR=ON
ctest --test-dir build-test --output-on-failure

echo "== Window states under a window manager =="
bash tests/gui/run.sh build-test/tessaplun

echo "== Benchmarks (short mode) =="
for b in build-test/bench/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue  # not the *_autogen folders
  "$b" --benchmark_min_time=0.01 --benchmark_color=false > "$b.log" 2>&1 || { cat "$b.log"; echo "benchmark $b failed"; exit 1; }
  tail -n 15 "$b.log"
done

# The sanitizer build takes the evaluator's plain C++ path, so every run tests
# both paths; the engine tests pin results that both must give bit for bit.
echo "== Build and test under the sanitizers (plain evaluator) =="
bash scripts/build.sh build-asan -DTESSAPLUN_WERROR=ON -DTESSAPLUN_SANITIZE=ON -DTESSAPLUN_BENCH=OFF \
  -DTESSAPLUN_PLAIN_EVALUATOR=ON
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure

# The worker pool and the sampling on it live in engine/, so an engine-only
# build (no Qt, a few minutes on two cores) runs them under ThreadSanitizer.
echo "== Engine tests under ThreadSanitizer =="
bash scripts/build.sh build-tsan -DTESSAPLUN_WERROR=ON -DTESSAPLUN_ENGINE_ONLY=ON -DTESSAPLUN_SANITIZE_THREAD=ON
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 ctest --test-dir build-tsan --output-on-failure
