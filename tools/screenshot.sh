#!/usr/bin/env bash
# Photographs the calculator window on a virtual screen: docs/screenshot.png.
#
#   tools/screenshot.sh [BINARY] [OUTPUT]
#
# BINARY defaults to build/tesselon. Before the picture is taken the window
# computes 1.5 - (-0.25) typed from the keyboard, so that the colours of the
# fields, a result and the Operation label show, and the Deg key is pressed,
# which shows the keys it turns off.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
binary=${1:-$top/build/tesselon}
output=${2:-$top/docs/screenshot.png}

if [ -z "${INSIDE_XVFB:-}" ]; then
  INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x600x24" "$0" "$binary" "$output"
fi

"$binary" &
app=$!
trap 'kill "$app" 2>/dev/null || true' EXIT
window=""
for _ in $(seq 50); do
  window=$(xdotool search --name '^Tesselon' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "screenshot.sh: the window did not open" >&2; exit 1; }
sleep 0.5

# Clicks a point of the window's client area.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.1; }
# Typed as people type: the first minus presses the minus key, the second
# is the sign of Y, Return computes.
xdotool windowfocus --sync "$window"
xdotool type --delay 60 '1.5--0.25'
xdotool key Return
sleep 0.2
click 138 185 # Deg
sleep 0.3
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "wrote $output"
