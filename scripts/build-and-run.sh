#!/usr/bin/env bash
# Builds Spln in build/ and starts the desktop program; without a display it
# renders the default experiment to a PNG with the command line instead.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/app/spln "$@"
fi
echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): cannot start the desktop program."
echo "Rendering the default experiment to spln-default.png with spln-cli instead."
build/cli/spln-cli --png spln-default.png
echo "Wrote $(pwd)/spln-default.png"
