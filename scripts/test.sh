#!/usr/bin/env bash
# Builds everything, warnings as errors, and runs every test (window tests run offscreen).
# While working, ctest -L unit, -L window, or -LE gcc (without the slow suites that run gcc).
#
#   scripts/test.sh --sanitizers
# does the same in build-sanitizers/, built with AddressSanitizer and UndefinedBehaviorSanitizer:
# any error they find, and any leak but those of the system libraries in tests/lsan.supp, fails
# its test. CI runs both (.ci/run).
set -euo pipefail
cd "$(dirname "$0")/.."
export BUILD_DIR=build
options=()
if [ "${1:-}" = --sanitizers ]; then
    BUILD_DIR=build-sanitizers
    # The build runs its tools (bankc, loginart) under the sanitizers too.
    export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:check_initialization_order=1
    export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    options=(-DZQ_SANITIZE=ON)
fi
scripts/build.sh -DZQ_WERROR=ON -DBUILD_TESTING=ON "${options[@]}"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)"
