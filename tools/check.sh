#!/usr/bin/env bash
# Installs what is missing, checks the format of every source file, then
# builds and runs every test twice: a normal build, and one with
# AddressSanitizer and UndefinedBehaviorSanitizer (with the kernels' ASSERTs
# checked). The Qt window is tested on the offscreen platform, so no display
# is needed. tools/tsan.sh runs the threaded tests under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

jobs=$(nproc)

echo "== format (clang-format 14, .clang-format)"
find app bench engine functions testing tests tools ui -name '*.cpp' -o -name '*.h' |
  xargs clang-format-14 --dry-run -Werror
export QT_QPA_PLATFORM=offscreen

echo "== normal build"
cmake -S . -B build/check -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
ninja -C build/check
ctest --test-dir build/check --output-on-failure -j "$jobs"

echo "== sanitizer build (address, undefined behaviour)"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSELON_SANITIZE=ON \
  -DTESSELON_BENCH=OFF >/dev/null
ninja -C build/sanitize
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build/sanitize --output-on-failure -j "$jobs"
