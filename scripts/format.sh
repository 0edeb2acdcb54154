#!/usr/bin/env bash
# Applies .clang-format to every C++ source file of the repository.
# Usage: scripts/format.sh [clang-format binary]
set -euo pipefail
cd "$(dirname "$0")/.."
formatter=${1:-$(command -v clang-format || command -v clang-format-14)}
git ls-files -z -- '*.cpp' '*.h' | xargs -0 "$formatter" -i --style=file
