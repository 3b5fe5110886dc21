#!/usr/bin/env bash
# Builds everything, warnings as errors, and runs every test (window tests run offscreen).
# While working, ctest -L unit, -L window, or -LE gcc (without the slow suites that run gcc).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh -DZQ_WERROR=ON
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"
