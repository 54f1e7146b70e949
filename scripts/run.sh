#!/usr/bin/env bash
# Command 1: sets up, builds and starts Lumox on the bundled example data.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build="${LUMOX_BUILD_DIR:-build}"

if [ -x "$build/src/ui/lumox" ]; then
  # The GUI needs a display; without one it runs on a virtual one.
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec xvfb-run -a "$build/src/ui/lumox" examples/longley.dat
  fi
  exec "$build/src/ui/lumox" examples/longley.dat
elif [ -x "$build/src/cli/lumox-cli" ]; then
  exec "$build/src/cli/lumox-cli" examples/longley.dat --input-data
else
  echo "Built the Lumox core and its tests ($build)."
  echo "No program is built yet: the program will be started here as"
  echo "  $build/src/ui/lumox examples/longley.dat"
fi
