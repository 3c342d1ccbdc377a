#!/usr/bin/env bash
# Shared by ./run and ./test: installs the Debian packages the build needs when they are missing,
# then configures and builds one CMake preset. Usage: tools/setup.sh PRESET [extra packages...]
set -euo pipefail
cd "$(dirname "$0")/.."

preset=${1:-release}
shift || true

# dpkg-dev and desktop-file-utils: cpack's dependency list and the package's check.
packages=(g++ cmake ninja-build qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          dpkg-dev desktop-file-utils "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
