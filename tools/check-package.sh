#!/usr/bin/env bash
# Builds the Debian package, installs it with apt as a user would, starts the
# installed calculator on a virtual screen, drives it by keyboard shortcuts
# through the X server, and removes the package again.
#
#   tools/check-package.sh           on this machine
#   tools/check-package.sh --fresh   in a new minimal root of this machine's
#                                    Debian release, made by mmdebstrap, so
#                                    that apt has to bring the Qt runtime
#
# Needs root or sudo: it installs the package and, where missing, xclip and
# mmdebstrap. It leaves build/package/tesselon_<version>_<arch>.deb behind.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

# Reads the calculator's Result through the clipboard: the Result field's
# shortcut selects it whole, Ctrl+C copies it.
result() {
  xdotool key --window "$window" ctrl+shift+r ctrl+c
  sleep 0.3
  xclip -o -selection clipboard
}

# Types X into the window and presses the shortcuts; the Result must be the
# one the installed tesselon-keys shows for the same keys pressed by name.
expect() {
  local x=$1 shortcuts=$2 names=$3
  local keys steps want got
  read -ra keys <<<"$shortcuts"
  read -ra steps <<<"$names"
  want=$(tesselon-keys "X=$x" "${steps[@]}" | sed -E 's/.*"Result": "([^"]*)".*/\1/')
  xdotool key --window "$window" Escape
  xdotool type --window "$window" --delay 20 "$x"
  xdotool key --window "$window" --delay 50 "${keys[@]}"
  sleep 0.3
  got=$(result)
  if [ -z "$want" ] || [ "$got" != "$want" ]; then
    echo "check-package: X=$x, $shortcuts: the Result is '$got', not '$want'" >&2
    return 1
  fi
  echo "  X=$x, $shortcuts: $got"
}

# The part that runs on the virtual screen, against the installed program.
drive_installed() {
  /usr/bin/tesselon &
  app=$!
  trap 'kill "$app" 2>/dev/null || true' EXIT
  window=""
  for _ in $(seq 100); do
    window=$(xdotool search --name '^Tesselon' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "check-package: the installed calculator opened no window" >&2; exit 1; }
  echo "the installed calculator opened its window: $(xdotool getwindowname "$window")"
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
  sleep 0.5
  echo "shortcuts through the X server:"
  expect 12 "ctrl+plus 3 0 Return" "+ Y=30 ="
  expect 7 "ctrl+slash 2 F9 KP_Enter" "/ Y=2 +/- ="
  expect 3 "alt+2" "X^2"
  expect 16 "alt+shift+2" "X^1/2"
  expect 25 "alt+exclam" "X!"
  expect 1 "alt+h alt+s" "Sinh"
  expect 0.5 "alt+h alt+shift+t" "ATanh"
  expect 2 "ctrl+shift+p ctrl+asterisk ctrl+shift+2 Return" "Pi * 2^1/2 ="
  kill "$app"
  wait "$app" 2>/dev/null || true
}

# Installs the package with apt and lists what apt brought with it.
install_package() {
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "$1" |
    awk '/^The following NEW/ { shown = 1; print; next }
         shown && /^  / { print; next }
         { shown = 0 }'
  dpkg-query -W -f='${Package} ${Version} ${Status}\n' tesselon
}

# Installs the package here, checks what it installed, drives it, removes it.
check_here() {
  local deb=$1
  echo "== installing it with apt"
  trap '$sudo apt-get remove -y tesselon >/dev/null 2>&1 || true' EXIT
  install_package "$top/$deb"
  tesselon-keys --help | head -n 1
  man -w tesselon-keys
  desktop-file-validate /usr/share/applications/org.tesselon.Tesselon.desktop

  echo "== starting the installed calculator on a virtual screen"
  xvfb-run -a -s "-screen 0 1024x600x24" "$0" --drive-installed

  echo "== removing the package"
  $sudo apt-get remove -y tesselon >/dev/null
  trap - EXIT
  ! command -v tesselon >/dev/null || { echo "check-package: tesselon is still installed" >&2; exit 1; }
  echo "package built, installed, started, driven and removed"
}

# The same in a root that holds nothing but apt and the virtual screen: the
# package's dependencies alone must bring everything the calculator needs.
check_in_fresh_root() {
  local deb=$1 suite
  suite=$(sed -n 's/^VERSION_CODENAME=//p' /etc/os-release)
  echo "== installing it with apt into a fresh $suite root"
  # shellcheck disable=SC2016 # mmdebstrap hands each hook the root as $1
  $sudo mmdebstrap --quiet --variant=apt --include=xvfb,xauth,xdotool,xclip "$suite" /dev/null \
    --customize-hook="copy-in $deb tools/check-package.sh /tmp" \
    --customize-hook='chroot "$1" /tmp/check-package.sh --install /tmp/'"${deb##*/}" \
    --customize-hook='chroot "$1" xvfb-run -a -s "-screen 0 1024x600x24" /tmp/check-package.sh --drive-installed'
  echo "package built, installed into a fresh root, started and driven"
}

mode=${1:-}
case $mode in
  --install) install_package "$2"; exit 0 ;;
  --drive-installed) drive_installed; exit 0 ;;
esac

tools/install-deps.sh
# The fresh root brings its own xclip.
tool=xclip
[ "$mode" != "--fresh" ] || tool=mmdebstrap
command -v "$tool" >/dev/null ||
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "$tool"

echo "== building the package"
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSELON_BENCH=OFF >/dev/null
ninja -C build/package tesselon tesselon-keys >/dev/null
(cd build/package && cpack -G DEB >/dev/null)
deb=$(ls build/package/tesselon_*.deb)
echo "$deb"
dpkg-deb --field "$deb" Package Version Architecture Depends
dpkg-deb --contents "$deb" | awk '{print "  " $6}' | grep -v '/$'

if [ "$mode" = "--fresh" ]; then
  check_in_fresh_root "$deb"
else
  check_here "$deb"
fi
