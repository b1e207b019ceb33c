#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the program with the example school.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
datei=()
[ -f examples/schule.kvr ] && datei=(examples/schule.kvr)
exec ./build/winkolvar "${datei[@]}"
