#!/usr/bin/env bash
# seepbatch meshcond as a program: the documented action chain, argument
# checks before anything runs, and the error line of a failing action.
set -u
seepbatch="$1"
fixtures="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }

cp "$fixtures/MESH.DAT" m.DAT
"$seepbatch" meshcond --load-mesh m.DAT --save z.DAT --save-d2 d.DAT --open z.DAT --save z2.DAT \
  --save-mesh m2.DAT --export-levels --export-rain > out.txt || fail "action chain"
cmp -s z.DAT z2.DAT || fail "ZEP.DAT does not read back to itself"
cmp -s m.DAT m2.DAT || fail "MESH.DAT does not read back to itself"
for f in input.txt zepan.bat WORK.LST 'ZEPAN.$$$' d.DAT 河川水位.CSV 降雨.CSV; do
  [ -f "$f" ] || fail "$f missing"
done
[ "$(wc -l < out.txt)" -eq 8 ] || fail "one summary line per action expected: $(cat out.txt)"
grep -q "実行用ファイル: なし" out.txt || fail "package written twice"

# The old form: imported, then saved in the current form.
"$seepbatch" meshcond --import-legacy "$fixtures/OLDZEP.DAT" --save old/ZEP64.DAT > out.txt 2>&1 &&
  fail "a missing folder must fail the save"
mkdir old
"$seepbatch" meshcond --import-legacy "$fixtures/OLDZEP.DAT" --save old/ZEP64.DAT > out.txt ||
  fail "legacy import: $(cat out.txt)"
grep -q "   20    1" old/ZEP64.DAT || fail "MAXITO not forced to 20"

# Unknown action or missing file name: nothing runs.
rm -f z3.DAT
"$seepbatch" meshcond --load-mesh m.DAT --save z3.DAT --bogus 2> err.txt && fail "unknown action accepted"
[ -e z3.DAT ] && fail "an action ran before the unknown one was refused"
grep -q "不明な操作" err.txt || fail "no message for the unknown action"
"$seepbatch" meshcond --load-mesh m.DAT --save 2> err.txt && fail "missing file accepted"
"$seepbatch" meshcond --save --export-rain 2> err.txt && fail "an action taken for a file name"
grep -q "ファイル名がありません" err.txt || fail "no message for the missing file name"
"$seepbatch" meshcond > /dev/null || fail "no actions must exit 0"

# A failing action: "meshcond: ACTION: message", exit 1.
printf '3 0\r\n1 0 0\r\n' > bad.DAT
"$seepbatch" meshcond --load-mesh bad.DAT 2> err.txt && fail "bad mesh accepted"
grep -q '^meshcond: --load-mesh: bad.DAT: 3 行目: ' err.txt || fail "error line: $(cat err.txt)"
echo "batch ok"
