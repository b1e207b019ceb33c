#!/usr/bin/env bash
# Installs, from Debian's packages, everything the build, the program and the tests need.
# Only what is missing is installed, so a second run takes seconds.
set -euo pipefail

pakete=(
  g++ cmake ninja-build pkg-config git
  qt6-base-dev libgl-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fontconfig
  clang libclang-rt-14-dev
  xvfb xauth
  poppler-utils
)

fehlend=()
for p in "${pakete[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    fehlend+=("$p")
  fi
done

if [ ${#fehlend[@]} -eq 0 ]; then
  exit 0
fi

echo "Installiere: ${fehlend[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
