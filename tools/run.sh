#!/usr/bin/env bash
# Installs what is missing, builds the calculator and opens it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSELON_BENCH=OFF >/dev/null
ninja -C build/release tesselon tesselon-keys
exec build/release/tesselon
