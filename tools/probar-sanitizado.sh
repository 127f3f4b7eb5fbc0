#!/usr/bin/env bash
# Builds the whole project with AddressSanitizer and UndefinedBehaviorSanitizer in build-san/ and
# runs every test there: any invalid memory access, leak or undefined behaviour fails the test.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/instalar-dependencias.sh
cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCV_SANITIZAR=ON >/dev/null
cmake --build build-san -j2
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
ctest --test-dir build-san -j2 --output-on-failure "$@"
