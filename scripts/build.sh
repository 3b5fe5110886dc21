#!/usr/bin/env bash
# Installs what is missing and builds the program, its question bank and its tests into build/.
# Arguments go to CMake's configuration, e.g. -DZQ_WERROR=ON.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" > /dev/null
cmake --build build -j"$(nproc)"
