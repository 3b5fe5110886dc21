#!/usr/bin/env bash
# Builds everything, warnings as errors, and runs every test (window tests run offscreen). Then
# builds the unit tests and the window tests that open every window and go through a whole test
# and unit exercise again in build-sanitizers/, with AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs them: any error they find, and any leak, fails its test. Left out of that pass, to keep
# CI short: the gcc suites, which spend their time in gcc and the student programs, and the single
# windows' tests, whose windows the chosen ones open too.
# CI runs this (.ci/run). While working, ctest -L unit, -L window, -LE gcc.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh -DZQ_WERROR=ON -DBUILD_TESTING=ON
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"

# The build runs its tools (bankc, loginart) under the sanitizers too.
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:check_initialization_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build-sanitizers -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZQ_WERROR=ON -DBUILD_TESTING=ON \
    -DZQ_SANITIZE=ON > /dev/null
# The bank's programs were proven by the first build: its proofs spare the second their gcc runs.
mkdir -p build-sanitizers/bank
cp build/bank/proofs.cache build-sanitizers/bank/
windows=(tst_frm_login tst_window_layouts tst_test_flow tst_unit_exercise_flow)
cmake --build build-sanitizers -j"$(nproc)" --target tests_unit "${windows[@]}"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-sanitizers -L unit --output-on-failure -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-sanitizers -R "^($(IFS='|'; echo "${windows[*]}"))\$" \
    --output-on-failure -j"$(nproc)"
