#!/usr/bin/env bash
# Installs what Velk needs, builds it and starts it: ./run.sh [file.vk2]
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELK_BUILD_TESTS=OFF >/dev/null
cmake --build build/release --target velk
# Under a Wayland session the program runs on XWayland: only there does it
# hear of clipboard changes made while another program has the focus.
if [[ -n "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  export QT_QPA_PLATFORM=xcb
fi
exec build/release/src/app/velk "$@"
