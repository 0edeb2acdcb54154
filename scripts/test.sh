#!/usr/bin/env bash
# Builds Spln in build/ and runs the whole test suite. Arguments go to CMake
# (CI passes -DSPLN_WERROR=ON, so that a warning fails the build).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "$@"
cmake --build build -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"
