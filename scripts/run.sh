#!/usr/bin/env bash
# Builds the program and its question bank (not the tests) and starts it on the bundled bank.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh -DBUILD_TESTING=OFF
exec build/bin/zhiqiao
