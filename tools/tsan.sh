#!/usr/bin/env bash
# Builds the calculator with ThreadSanitizer in build/tsan and runs the tests
# whose keys compute on a thread of their own: every test of tesselon_tests
# (the headless toolkit with a deadline, the cancellation and failure tests,
# the soak test) and the Qt window tests, whose runWork computes off the
# window's thread. Any report of a data race fails the run.
#
#   tools/tsan.sh                 run it as CI runs it, apart from tools/check.sh
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

export QT_QPA_PLATFORM=offscreen
cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSELON_TSAN=ON \
  -DTESSELON_BENCH=OFF >/dev/null
ninja -C build/tsan tesselon_tests tesselon_qt_tests tesselon-keys
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/tests/tsan.supp"
# The ThreadSanitizer of GCC 12 cannot map its shadow memory under the
# address-space randomisation of recent kernels: run without it.
norandom=(setarch "$(uname -m)" -R)
"${norandom[@]}" build/tsan/tesselon_tests --gtest_brief=1
"${norandom[@]}" build/tsan/tesselon_qt_tests
