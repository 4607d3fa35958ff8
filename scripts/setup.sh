#!/usr/bin/env bash
# Installs the Debian packages the game needs (when missing) and builds it into build/, or
# into $TARVOLENKA_BUILD_DIR when that is set.
# Usage: scripts/setup.sh [extra cmake arguments]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev
  libjpeg-dev libgtest-dev libgmock-dev libbenchmark-dev
  zlib1g-dev
  clang libclang-rt-14-dev valgrind clang-format
)

scripts/install-missing.sh "${packages[@]}"

build="${TARVOLENKA_BUILD_DIR:-build}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
