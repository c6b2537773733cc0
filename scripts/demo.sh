#!/usr/bin/env bash
# The demo pipeline on the bundled sample section, as far as it is built:
# DXF -> M3W and .TXT -> elements and MESH.DAT -> ZEP.DAT with its run package.
set -uo pipefail
bin="${1:-build/release}"
root="$(cd "$(dirname "$0")/.." && pwd)"
seepbatch="$root/$bin/seepbatch/seepbatch"
out="$root/build/demo"
rm -rf "$out" && mkdir -p "$out"
cp "$root/examples/section.dxf" "$out/"
cd "$out"

step() {
  echo "\$ seepbatch $*"
  if ! "$seepbatch" "$@"; then
    echo "(this step is not available yet; the demo stops here)"
    return 1
  fi
}

step cadtrace section.dxf section.M3W &&
  step linemesh --load section.M3W --form --save-mesh MESH.DAT --save-m2w section.M2W \
    --save-voka VOKA.DAT --plot-lines lines.DXF --plot-elements elements.DXF --save section.M3W &&
  step meshcond --load-mesh MESH.DAT --save ZEP64.DAT --save-d2 D2.DAT
echo
echo "files in $out:"
ls -l "$out"
