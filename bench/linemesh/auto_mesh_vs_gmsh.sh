#!/usr/bin/env bash
# Times, in one run on this machine, the whole batch job on the sample dam
# section (load the M3W, mesh at SIZE, form, write MESH.DAT) against Gmsh's
# own program meshing the same faces at the same size with
# Mesh.RecombineAll = 1 and its other defaults (and writing its mesh file).
# Usage: bench/linemesh/auto_mesh_vs_gmsh.sh [SIZE] [RUNS]; needs a release
# build and Debian's gmsh package (installed here when missing).
set -euo pipefail
cd "$(dirname "$0")/../.."
size="${1:-1}"
runs="${2:-5}"
bin=build/release
command -v gmsh >/dev/null ||
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends gmsh >/dev/null
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$bin/seepbatch/seepbatch" cadtrace examples/dam.dxf "$work/dam.M3W" >/dev/null
"$bin/bench/linemesh/write_geo" "$work/dam.M3W" "$size" "$work/dam.geo"

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
timed() {  # milliseconds of one run of the command
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; return 1; }
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}
ours=() theirs=()
for _ in $(seq "$runs"); do
  ours+=("$(timed "$bin/seepbatch/seepbatch" linemesh --load "$work/dam.M3W" --auto-mesh "$size" \
    --form --save-mesh "$work/MESH.DAT")")
  theirs+=("$(timed gmsh "$work/dam.geo" -2 -o "$work/dam.msh")")
done
"$bin/seepbatch/seepbatch" linemesh --load "$work/dam.M3W" --auto-mesh "$size" --form | tail -1
echo "gmsh: $(grep -A1 '^\$Elements' "$work/dam.msh" | tail -1 | awk '{print $2}') elements and points in its file"
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "seepbatch linemesh (load, mesh, form, MESH.DAT): median $(printf '%s\n' "${ours[@]}" | median) ms of ${ours[*]}"
echo "gmsh -2 (same faces, RecombineAll = 1):          median $(printf '%s\n' "${theirs[@]}" | median) ms of ${theirs[*]}"
