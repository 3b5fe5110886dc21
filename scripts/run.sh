#!/usr/bin/env bash
# Builds everything and starts the program on the bundled question bank.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
exec build/bin/zhiqiao
