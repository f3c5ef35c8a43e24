#!/usr/bin/env bash
# The whole test suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-asan/: any out-of-bounds access, use after free, undefined behaviour or leak
# fails the test that caused it (the tree, which is never freed by design, and Mesa's
# context are the only leaks allowed: tests/sanitizers/lsan.supp).
set -euo pipefail
cd "$(dirname "$0")/../.."

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORLEVAN_SANITIZE=ON \
  -DORLEVAN_WERROR=ON >/dev/null
cmake --build build-asan -j "${JOBS:-2}" >/dev/null

export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
bash scripts/avec-xvfb.sh ctest --test-dir build-asan --output-on-failure -j "${JOBS:-2}"
