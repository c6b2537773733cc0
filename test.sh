#!/usr/bin/env bash
# Installs what is missing, builds, checks the Debian package, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh release
# The Debian package builds, and the batch tool unpacked from it runs.
scripts/package-check.sh build/release
# Scratch files of the tests stay in this checkout's build tree, so that two
# checkouts testing at once never share a folder.
export TMPDIR="$PWD/build/release/test-tmp" TEST_TMPDIR="$PWD/build/release/test-tmp"
rm -rf "$TMPDIR" && mkdir -p "$TMPDIR"
ctest --preset release -j"$(nproc)"
