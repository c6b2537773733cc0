#!/usr/bin/env bash
# Installs what is missing, builds, then runs the demo pipeline on the sample
# section, or opens a window: ./run.sh [linemesh|cadtrace|meshcond].
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh release
bin=build/release

case "${1:-demo}" in
  linemesh|cadtrace|meshcond)
    exe="$bin/$1/ui/$1"
    if [ ! -x "$exe" ]; then echo "$1: the window is not built yet"; exit 1; fi
    exec "$exe"
    ;;
  demo) exec scripts/demo.sh "$bin" ;;
  *) echo "usage: ./run.sh [linemesh|cadtrace|meshcond]"; exit 1 ;;
esac
