#!/usr/bin/env bash
# Applies .clang-format to every C++ source file of the repository.
# Usage: scripts/format.sh [clang-format binary]
set -euo pipefail
cd "$(dirname "$0")/.."
formatter=${1:-$(command -v clang-format || command -v clang-format-14)}
# engine/ExpTable.h is written by scripts/generate-exp-table.py and kept as it writes it.
git ls-files -z -- '*.cpp' '*.h' ':!engine/ExpTable.h' | xargs -0 "$formatter" -i --style=file
