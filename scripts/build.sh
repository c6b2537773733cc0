#!/usr/bin/env bash
# Configures and builds a preset (default: release).
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-release}"
[ -f "build/$preset/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
