#!/usr/bin/env bash
# Builds the program, its bank and every test with warnings as errors, and runs every test (window
# tests run offscreen): the gcc suites and the package test in build/; the unit and window tests in
# build-sanitizers/, with AddressSanitizer and UndefinedBehaviorSanitizer, where any error they
# find, and any leak, fails its test. Each test is built once: the unit and window tests in both
# folders were a third of this script's time, and the gcc suites spend theirs in gcc and the
# student programs, not in our code.
# CI runs this (.ci/run). While working, ctest -L unit, -L window, -LE gcc.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh -DZQ_WERROR=ON -DBUILD_TESTING=ON -DZQ_TESTS_IN_ALL=gcc
QT_QPA_PLATFORM=offscreen ctest --test-dir build -L gcc --output-on-failure -j"$(nproc)"

# The build runs its tools (bankc, loginart) under the sanitizers too.
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:check_initialization_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# -O1 with line tables: the checkers' reports keep their file and line, and the build takes
# about 40% less time than -O2 -g. Debug also keeps the assertions on.
cmake -S . -B build-sanitizers -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" -DZQ_WERROR=ON \
    -DBUILD_TESTING=ON -DZQ_SANITIZE=ON > /dev/null
# Only what those tests run: their programs and what they link (not the bank, bankc, nor the
# gcc suites).
cmake --build build-sanitizers -j"$(nproc)" --target tests_unit tests_window
QT_QPA_PLATFORM=offscreen ctest --test-dir build-sanitizers -L "unit|window" --output-on-failure -j"$(nproc)"
