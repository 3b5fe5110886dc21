#!/usr/bin/env bash
# Installs what is missing and builds the program, its question bank and its tests into build/.
# Arguments go to CMake's configuration, e.g. -DZQ_WERROR=ON, -DBUILD_TESTING=OFF (no tests),
# -DZQ_CCACHE=ON (compile through ccache; kept for later builds in the same folder).
# Optimised without debug information: what a student runs and CI tests, and a third faster to
# build. A debugger wants -DCMAKE_BUILD_TYPE=RelWithDebInfo (the default of a plain cmake).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "$@" > /dev/null
cmake --build build -j"$(nproc)"
