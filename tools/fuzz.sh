#!/usr/bin/env bash
# Builds the libFuzzer target over the headless calculator with clang, in its
# own directory build/fuzz (address and undefined-behaviour sanitizers on,
# the kernels' ASSERTs checked), seeds its corpus from the key cases in
# tests/cases and runs it.
#
#   tools/fuzz.sh [SECONDS] [libFuzzer options...]    default: 600 seconds
#
# Findings land in build/fuzz/ as crash-*, timeout-* or oom-* files; replay
# one with build/fuzz/keys_fuzzer FILE.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
shift || true

needed=(clang libclang-rt-14-dev python3)
missing=()
for p in "${needed[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

out=build/fuzz
mkdir -p "$out/obj" "$out/corpus" "$out/seeds"
flags=(-std=c++20 -O1 -g -fno-omit-frame-pointer -I. -fsanitize=address,undefined
       -fno-sanitize-recover=all -DTESSELON_ASSERT)

sources=(engine/*.cpp functions/*.cpp ui/*.cpp ui/toolkit/HeadlessToolkit.cpp tools/keys/*.cpp
         tools/fuzz/KeyStepsFuzzer.cpp)
rm -f "$out"/obj/*.o
printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -I{} sh -c \
  'clang++ "$@" -fsanitize=fuzzer-no-link -c "$0" -o "'"$out"'/obj/$(echo "$0" | tr / _).o"' \
  {} "${flags[@]}"
clang++ "${flags[@]}" -fsanitize=fuzzer "$out"/obj/*.o -lmpfr -lgmp -o "$out/keys_fuzzer"

# One seed per key case: its steps, one a line.
python3 - "$out/seeds" <<'PY'
import json, os, sys
cases = os.path.join("tests", "cases", "keys.jsonl")
if os.path.exists(cases):
    for number, line in enumerate(open(cases, encoding="utf-8")):
        if line.strip():
            steps = json.loads(line)["steps"]
            with open(os.path.join(sys.argv[1], "case-%03d" % number), "w", encoding="utf-8") as f:
                f.write("\n".join(steps))
PY

cd "$out"
./keys_fuzzer -max_len=4096 -rss_limit_mb=4096 -timeout=60 -max_total_time="$seconds" \
  -print_final_stats=1 -dict=../../tools/fuzz/keys.dict "$@" corpus seeds
