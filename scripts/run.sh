#!/usr/bin/env bash
# Lays out the portable program folder <build>/tavra (program plus sample installation)
# and starts Tavra there. Without a display it renders the main window to a PNG instead.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
dest="$build/tavra"
mkdir -p "$dest"
cp -f "$build/src/tavra" "$dest/tavra"
cp -f "$build/src/tavra-texts" "$dest/tavra-texts"
cp -f "$build/src/Bible.exe" "$dest/Bible.exe"
for f in "$root"/data/*; do
  [ -e "$f" ] || continue
  cp -rf "$f" "$dest/"
done
cd "$dest"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec ./tavra "$@"
else
  QT_QPA_PLATFORM=offscreen ./tavra --screenshot tavra.png
  echo "No display: the main window was rendered to $(pwd)/tavra.png"
fi
