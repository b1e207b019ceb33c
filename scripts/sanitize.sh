#!/usr/bin/env bash
# Builds the program and its tests with AddressSanitizer and UndefinedBehaviorSanitizer and runs
# them all: the core's tests and the GUI's (offscreen, as ctest sets it).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
KOLVAR_BUILD=build-san bash scripts/build.sh -DCMAKE_BUILD_TYPE=Debug -DKOLVAR_SANITIZE=ON \
  -DKOLVAR_GUI=ON -DKOLVAR_BENCH=OFF -DKOLVAR_TOOLS=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-san --output-on-failure --no-tests=error --parallel "$(nproc)"
