#!/usr/bin/env bash
# Installs what is missing, builds, and starts Vanu Logo Manager.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh vanu-logo-manager
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "Built, but there is no graphical display to show the program on (DISPLAY is empty)." >&2
  echo "Run this from a desktop session, or start it under a virtual X server (package xvfb):" >&2
  echo "  (cd build && xvfb-run ./vanu-logo-manager)" >&2
  exit 1
fi
# The standard screens are opened by bare name, so the program starts in the
# folder where they were shipped beside it.
cd build
exec ./vanu-logo-manager
