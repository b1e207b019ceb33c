#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# in build-fuzz/ and runs each for a bounded time (default 60 s each):
#   scripts/fuzz.sh [seconds per target] [target ...]
# Targets: leser_fuzz (the school file reader), kursimport_fuzz (the course import). New inputs go
# to build-fuzz/korpus_<target>; the committed seeds in fuzz/ are only read.
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden="${1:-60}"
shift || true
ziele=("$@")
[ "${#ziele[@]}" -gt 0 ] || ziele=(leser_fuzz kursimport_fuzz)
export FUZZFLAGS="-std=c++20 -O1 -g -Wall -Wextra -fno-sanitize-recover=undefined -Isrc/core"

# The core once, for every target (three compilers at a time: the machine is shared).
rm -rf build-fuzz/kern
mkdir -p build-fuzz/kern
# shellcheck disable=SC2016
find src/core -name '*.cpp' | sort |
  xargs -P 3 -I{} sh -c 'clang++ $FUZZFLAGS -fsanitize=fuzzer-no-link,address,undefined -c "$1" \
    -o "build-fuzz/kern/$(echo "${1%.cpp}" | tr / _).o"' _ {}
kern=(build-fuzz/kern/*.o)

# Seeds of a target: the reader's are school files, the import's text files. A lesson of a
# few thousand classes is made here, so the fuzzer starts from the many-classes case.
mkdir -p build-fuzz/vieleklassen
awk 'BEGIN { for (i = 1; i <= 3000; i++) printf "1\t1\t2\t\tMUE\t\tDe\t\tK%d\t\t\t\t1\t2\t3\t\t\t1\t0\t1\t0\t0\t0\r\n", i }' \
  > build-fuzz/vieleklassen/vieleklassen.txt
saat() {
  case "$1" in
    leser_fuzz) echo fuzz/korpus ;;
    kursimport_fuzz) echo fuzz/kursimport_korpus build-fuzz/vieleklassen ;;
  esac
}
laenge() {
  case "$1" in
    kursimport_fuzz) echo 262144 ;;
    *) echo 65536 ;;
  esac
}

for ziel in "${ziele[@]}"; do
  # shellcheck disable=SC2086
  clang++ $FUZZFLAGS -fsanitize=fuzzer,address,undefined "${kern[@]}" "fuzz/$ziel.cpp" -o "build-fuzz/$ziel"
  mkdir -p "build-fuzz/korpus_$ziel"
  # shellcheck disable=SC2046
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "build-fuzz/$ziel" -max_total_time="$sekunden" -timeout=10 -rss_limit_mb=2048 -max_len="$(laenge "$ziel")" \
    -artifact_prefix="build-fuzz/$ziel-" "build-fuzz/korpus_$ziel" $(saat "$ziel")
done
