#!/usr/bin/env bash
# Builds the school file reader's fuzz target with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs it for a bounded time (default 60 s):
#   scripts/fuzz.sh [seconds]
# New inputs go to build-fuzz/korpus; the committed seeds in fuzz/korpus are only read.
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden="${1:-60}"
mkdir -p build-fuzz/korpus
mapfile -t kern < <(find src/core -name '*.cpp' | sort)
clang++ -std=c++20 -O1 -g -Wall -Wextra -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -Isrc/core "${kern[@]}" fuzz/leser_fuzz.cpp -o build-fuzz/leser_fuzz
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  build-fuzz/leser_fuzz -max_total_time="$sekunden" -timeout=10 -rss_limit_mb=2048 -max_len=65536 -artifact_prefix=build-fuzz/ \
  build-fuzz/korpus fuzz/korpus
