#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test. A run that executes no test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
ctest --test-dir build --output-on-failure --no-tests=error --parallel "$(nproc)"
