#!/usr/bin/env bash
# Configures and builds the project in build/ (or the folder given as KOLVAR_BUILD).
set -euo pipefail
cd "$(dirname "$0")/.."
bau="${KOLVAR_BUILD:-build}"
cmake -S . -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" > /dev/null
cmake --build "$bau" --parallel "$(nproc)"
