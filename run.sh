#!/usr/bin/env bash
# Installs what is missing, builds, and opens the bundled example scheme.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
scheme=data/Schemes/demo.shm
if [ -x build/src/gui/velmar ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec build/src/gui/velmar "$scheme"
fi
[ -x build/src/gui/velmar ] && echo "No display: showing the demo scheme headless."
exec build/velmar-cli info "$scheme"
