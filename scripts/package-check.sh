#!/usr/bin/env bash
# Builds the Debian package from a built tree, unpacks it into a scratch
# folder and runs the unpacked batch tool on the sample section it carries:
# DXF -> automatic mesh -> MESH.DAT -> ZEP64.DAT.
# Usage: scripts/package-check.sh [build/release]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/release}"
rm -rf "$build/package"
cpack --config "$build/CPackConfig.cmake" -B "$build/package" >"$build/cpack.log" 2>&1 ||
  { cat "$build/cpack.log"; echo "package-check: cpack failed"; exit 1; }
deb=$(ls "$build"/package/*.deb)
root="$build/package/unpacked"
dpkg -x "$deb" "$root"
for f in bin/seepbatch bin/linemesh bin/cadtrace bin/meshcond \
         share/applications/seepage-linemesh.desktop share/mime/packages/seepage-toolchain.xml \
         share/icons/hicolor/scalable/apps/seepage-meshcond.svg; do
  [ -e "$root/usr/$f" ] || { echo "package-check: $f is missing from $deb"; exit 1; }
done
work="$build/package/run"
mkdir -p "$work"
cp "$root/usr/share/seepage-toolchain/examples/dam.dxf" "$work/"
seepbatch="$(pwd)/$root/usr/bin/seepbatch"
(cd "$work" &&
  "$seepbatch" cadtrace dam.dxf dam.M3W &&
  "$seepbatch" linemesh --load dam.M3W --auto-mesh 2 --form --save-mesh MESH.DAT &&
  "$seepbatch" meshcond --load-mesh MESH.DAT --save ZEP64.DAT) >"$build/package/run.log" 2>&1 ||
  { cat "$build/package/run.log"; echo "package-check: the unpacked seepbatch failed"; exit 1; }
[ -s "$work/ZEP64.DAT" ] || { echo "package-check: no ZEP64.DAT"; exit 1; }
echo "package-check: $(basename "$deb") builds, unpacks and runs the sample section"
