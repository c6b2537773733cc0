#!/usr/bin/env bash
# Makes the user guide's pictures (docs/images/*.png) from the real windows:
# the sample dam section through the converter, the mesh maker (automatic
# meshing, formation and its report) and the condition editor, on a virtual
# 1280 x 800 screen with a window manager, driven with xdotool.
# Usage: scripts/screenshots.sh [build/release]   (needs xvfb, openbox, xdotool, imagemagick)
set -euo pipefail
cd "$(dirname "$0")/.."
bin="$(pwd)/${1:-build/release}"
out="$(pwd)/docs/images"
mkdir -p "$out"
command -v openbox >/dev/null ||
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends openbox >/dev/null
work="$(mktemp -d)"
display=":$((60 + RANDOM % 30))"
Xvfb "$display" -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display"
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  kill "$wm" "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
sleep 1

# The window whose title contains $1, once it is shown.
window() {
  for _ in $(seq 100); do
    local w
    w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$w" ] && {
      echo "$w"
      return
    }
    sleep 0.1
  done
  echo "screenshots: no window \"$1\"" >&2
  import -window root "${TMPDIR:-/tmp}/screenshots-failed.png"
  exit 1
}
# A click at x, y of a window's client area.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep "${4:-0.4}"; }
shot() { sleep 0.5; import -window root "$out/$1.png"; echo "  $out/$1.png"; }
start() { "$@" >/dev/null 2>&1 & pids+=($!); }

cp examples/dam.dxf "$work/"
cd "$work"

# The converter with the drawing named on its command line: 変換.
start "$bin/cadtrace/ui/cadtrace" "$work/dam.dxf"
w=$(window "DXFファイル")
xdotool windowactivate --sync "$w"
sleep 0.5
click "$w" 826 28 1.5
shot cadtrace
kill "${pids[-1]}"

# The mesh maker with the converted outlines.
start "$bin/linemesh/ui/linemesh" "$work/dam.M3W"
w=$(window "線を引く")
xdotool windowactivate --sync "$w"
shot linemesh-lines
# File > 自動メッシュ... (the menu opens on its first item): the size dialog.
xdotool windowactivate --sync "$w"
sleep 1
xdotool key alt+f
sleep 0.8
import -window root "$work/menu.png"
for _ in $(seq 6); do xdotool key Down; done
xdotool key Return
sleep 1
window "自動メッシュ" >/dev/null
shot linemesh-automesh-dialog
xdotool key Return
sleep 3
xdotool key Return  # the formation report, if any
sleep 0.5
xdotool key alt+v  # 表示 > 要素番号 off: a dense mesh reads better without them
sleep 0.4
xdotool key n
shot linemesh-formed
"$bin/seepbatch/seepbatch" linemesh --load dam.M3W --auto-mesh 1 --form --save-mesh MESH.DAT \
  --report report.json >/dev/null
kill "${pids[-1]}"

# A cell left out: the report's message and the marks in the element view.
"$bin/seepbatch/seepbatch" linemesh --line 0 0 20 0 --line 20 0 20 10 --line 20 10 0 10 \
  --line 0 10 0 0 --line 10 0 10 10 --line 0 5 10 5 --line 20 0 25 8.66 --line 25 8.66 20 10 \
  --save faults.M3W >/dev/null
start "$bin/linemesh/ui/linemesh" "$work/faults.M3W"
w=$(window "線を引く")
xdotool windowactivate --sync "$w"
xdotool key alt+f
sleep 0.4
for _ in $(seq 5); do xdotool key Down; done  # 要素の成形
xdotool key Return
sleep 1
shot linemesh-report
kill "${pids[-1]}"

# The condition editor with the mesh named on its command line.
start "$bin/meshcond/ui/meshcond" "$work/MESH.DAT"
w=$(window "材質番号を振る")
xdotool windowactivate --sync "$w"
sleep 1
shot meshcond
kill "${pids[-1]}"
echo "screenshots: done"
