#!/usr/bin/env bash
# The demo pipeline on the bundled sample sections:
# DXF -> M3W and .TXT -> elements and MESH.DAT -> ZEP.DAT with its run package.
# section.dxf has every element side drawn; dam.dxf has only the outlines of
# its zones, which automatic meshing fills with elements of about 1 m.
set -uo pipefail
bin="${1:-build/release}"
root="$(cd "$(dirname "$0")/.." && pwd)"
seepbatch="$root/$bin/seepbatch/seepbatch"
out="$root/build/demo"
rm -rf "$out" && mkdir -p "$out/section" "$out/dam"

step() {
  echo "\$ seepbatch $*"
  if ! "$seepbatch" "$@"; then
    echo "(the demo stops here)"
    return 1
  fi
}

status=0
cp "$root/examples/section.dxf" "$out/section/"
(cd "$out/section" &&
  step cadtrace section.dxf section.M3W &&
  step linemesh --load section.M3W --form --save-mesh MESH.DAT --save-m2w section.M2W \
    --save-voka VOKA.DAT --plot-lines lines.DXF --plot-elements elements.DXF --save section.M3W &&
  step meshcond --load-mesh MESH.DAT --save ZEP64.DAT --save-d2 D2.DAT) || status=1
echo
cp "$root/examples/dam.dxf" "$out/dam/"
(cd "$out/dam" &&
  step cadtrace dam.dxf dam.M3W &&
  step linemesh --load dam.M3W --auto-mesh 1 --form --report report.json --save-mesh MESH.DAT \
    --plot-elements elements.DXF --save dam.M3W &&
  step meshcond --load-mesh MESH.DAT --save ZEP64.DAT) || status=1
echo
echo "files in $out:"
ls -l "$out/section" "$out/dam"
exit $status
