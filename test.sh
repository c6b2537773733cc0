#!/usr/bin/env bash
# Installs what is missing, then runs every check: the format check, the
# release build (warnings as errors) and its tests, the Debian package, every
# fuzz target briefly, and the tests under AddressSanitizer + UBSan.
# scripts/ci-stages.sh runs one stage alone.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh --fuzz
scripts/ci-stages.sh
