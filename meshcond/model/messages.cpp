#include "meshcond/model/messages.h"

namespace meshcond::msg {

namespace {
std::string num(long n) { return std::to_string(n); }
std::string quoted(const std::string& text) { return "\"" + text + "\""; }
}  // namespace

std::string node(int n) { return "節点 " + num(n); }
std::string material(int k) { return "材料 " + num(k); }
std::string seepageFace(int f) { return "浸出面 " + num(f); }
std::string fluctBoundary(int b) { return "水位変動境界 " + num(b); }
std::string fluxBoundary(int b) { return "流量変動境界 " + num(b); }
std::string boundary(int b) { return "境界 " + num(b); }
std::string rainfallNodes() { return "降雨節点"; }
std::string wellList(int k) { return "井戸リスト " + num(k); }
std::string nth(const std::string& what, int k) { return what + " の " + num(k) + " 番目"; }

std::string fileEndsBefore(const std::string& file, const std::string& what) {
  return file + ": ファイルが終わっています（" + what + " がありません）";
}
std::string titleNotCp932() { return "タイトルに CP932 の文字でないバイトがあります"; }
std::string seriesOnlyOnFirstBoundaries(int b, int last) {
  return boundary(b) + " に水位の時系列があります。時系列を持てるのは境界 1.." + num(last) +
         " だけです";
}

std::string aboveLimit(const std::string& file, const std::string& what, long value, long limit) {
  return file + ": " + what + " " + num(value) + " は上限 " + num(limit) + " を超えています";
}
std::string titleOneLine(const std::string& file) {
  return file + ": タイトルは 1 行でなければなりません";
}
std::string listNodeOutside(const std::string& list, int entry, int node, int high) {
  return nth(list, entry) + ": " + outsideRange("節点", node, 1, high);
}
std::string groupMissing(int node, int group, int levels) {
  return msg::node(node) + ": 固定水位グループ " + num(group) + " がありません（固定水位は " +
         num(levels) + " 個）";
}
std::string tooManyFixedLevels(int node, int capacity) {
  return msg::node(node) + ": 異なる固定水位が " + num(capacity) + " 個を超えています";
}
std::string cornerOutside(int element, int corner, int node, int capacity) {
  return msg::element(element) + ": " + msg::corner(corner) + " の" +
         outsideRange("節点", node, 1, capacity);
}
std::string materialOutside(int material, int capacity) {
  return outsideRange("材料", material, 1, capacity);
}
std::string writtenItem(const std::string& file, size_t line, const std::string& item,
                        const std::string& value) {
  return file + ": " + num(static_cast<long>(line)) + " 行目: " + item + " = " + value;
}
std::string fieldTooNarrow(const std::string& where, const std::string& format, size_t chars,
                           int width) {
  return where + " は書式 " + quoted(format) + " の欄に収まりません（" + num(width) + " 桁に " +
         num(static_cast<long>(chars)) + " 文字）";
}
std::string fieldFilled(const std::string& where, const std::string& format) {
  return where + " は書式 " + quoted(format) + " の欄を埋めてしまい、前の欄と続いてしまいます";
}
std::string notFinite(const std::string& what) {
  return what + " が有限の数でないため書き出せません";
}

std::string listFull(const std::string& what, int list, int capacity) {
  return what + " " + num(list) + ": 節点は " + num(capacity) + " 個までです";
}
std::string listNumberOutside(const std::string& label, int number, int limit) {
  return label + ": " + num(number) + " は範囲 1.." + num(limit) + " の外です";
}
std::string pitchNotPositive(const std::string& pitch) {
  return "ピッチ: ピッチ " + pitch + " は 0 より大きくなければなりません";
}
std::string tooManyOutputTimes(int capacity, const std::string& start, const std::string& end,
                               const std::string& pitch) {
  return "計算: " + start + " から " + end + " まで " + pitch + " ごとでは出力時刻が " +
         num(capacity) + " 個を超えます";
}
std::string outputTimesAboveCapacity(const std::string& label, int count, int capacity) {
  return label + ": 出力時刻 " + num(count) + " 個は解析で扱える " + num(capacity) +
         " 個を超えています";
}
std::string cellMissing(const std::string& cell) { return "表のセル " + cell + " はありません"; }
std::string cellName(int column, int row) { return num(row) + " 行 " + num(column) + " 列"; }
std::string materialAboveCapacity(int material, int element, int capacity) {
  return msg::element(element) + " の材料 " + num(material) + " は解析で扱える材料数 " +
         num(capacity) + " を超えています";
}
std::string twoFieldsExpected(size_t found) {
  return "値が 2 個必要ですが " + num(static_cast<long>(found)) + " 個です";
}
std::string seriesFull(const std::string& label, int capacity) {
  return label + ": 点は " + num(capacity) + " 個までです。何も保存していません";
}
std::string levelSeriesBoundary(const std::string& label, int boundary, int last) {
  return label + " " + num(boundary) + ": 水位の時系列を持てるのは境界 1.." + num(last) +
         " だけです";
}
std::string fixedLevelsAboveCapacity(const std::string& label, size_t count, int capacity) {
  return label + ": 水位 " + num(static_cast<long>(count)) + " 個は解析で扱える " + num(capacity) +
         " 個を超えています。何も保存していません";
}
std::string lineOf(const std::string& label, size_t line) {
  return label + ": " + num(static_cast<long>(line)) + " 行目";
}
std::string unexpectedError() { return "予期しないエラーです"; }
std::string missingFixedLevel() {
  return "固定水位が選ばれていません。「編集」で固定水位を開き、水位の行をクリックしてください。";
}
std::string carriedOver(int nodesWithoutPartner, int elementsWithoutPartner, int droppedEntries) {
  return "前のメッシュの条件を引き継ぎました。\n対応する節点のない節点: " +
         num(nodesWithoutPartner) + "\n対応する要素のない要素: " + num(elementsWithoutPartner) +
         "\nリストから外した節点: " + num(droppedEntries);
}
std::string written(const std::string& what, const std::string& path,
                    const std::vector<std::string>& alsoWritten) {
  std::string text = what + " を書き出しました: " + path;
  for (size_t i = 0; i < alsoWritten.size(); ++i)
    text += (i == 0 ? "（同じフォルダに " : "、") + alsoWritten[i];
  if (!alsoWritten.empty()) text += " も）";
  return text;
}

namespace {
std::string meshCounts(int nodes, int elements) {
  return "節点 " + num(nodes) + "、要素 " + num(elements);
}
std::string modelCounts(int nodes, int elements, int materials) {
  return meshCounts(nodes, elements) + "、材料 " + num(materials);
}
}  // namespace

std::string meshLoaded(const std::string& file, int nodes, int elements) {
  return file + ": メッシュを読み込みました（" + meshCounts(nodes, elements) + "）";
}
std::string carriedOverSummary(int nodesWithoutPartner, int elementsWithoutPartner,
                               int droppedEntries) {
  return "条件を引き継ぎました: 対応のない節点 " + num(nodesWithoutPartner) + "、対応のない要素 " +
         num(elementsWithoutPartner) + "、リストから外した項目 " + num(droppedEntries);
}
std::string zepRead(const std::string& file, int nodes, int elements, int materials) {
  return file + ": ZEP.DAT を読み込みました（" + modelCounts(nodes, elements, materials) + "）";
}
std::string legacyImported(const std::string& file, int nodes, int elements, int materials) {
  return file + ": 旧形式の ZEP.DAT を取り込みました（" + modelCounts(nodes, elements, materials) +
         "）";
}
std::string zepWritten(const std::string& file, int nodes, int elements, int materials,
                       const std::vector<std::string>& packageFiles) {
  std::string text = file + ": ZEP.DAT を書き出しました（" +
                     modelCounts(nodes, elements, materials) + "）。実行用ファイル: ";
  if (packageFiles.empty()) text += "なし（すべてあります）";
  for (size_t i = 0; i < packageFiles.size(); ++i) text += (i ? "、" : "") + packageFiles[i];
  return text;
}
std::string meshWritten(const std::string& file, int nodes, int elements) {
  return file + ": メッシュを書き出しました（" + meshCounts(nodes, elements) + "）";
}
std::string d2Written(const std::string& file, int nodes, int elements, const std::string& marker,
                      bool markerWritten) {
  return file + ": D2.DAT を書き出しました（" + meshCounts(nodes, elements) + "）。" + marker +
         (markerWritten ? " を書き出しました" : " はすでにあります");
}
std::string figureSize(const std::string& size) { return "図の大きさ " + size; }
std::string figureNumbers(const std::string& onOff) { return "図の要素番号 " + onOff; }
std::string figureNumbersOnOff(const std::string& value) {
  return "--figure-numbers: " + quoted(value) + " は on か off で指定してください";
}
std::string figureWritten(const std::string& file, int nodes, int elements) {
  return file + ": 図を書き出しました（" + meshCounts(nodes, elements) + "）";
}
std::string levelsExported(const std::string& path, int points) {
  return path + ": 水位 " + num(points) + " 点を書き出しました";
}
std::string rainExported(const std::string& path, int points) {
  return path + ": 降雨 " + num(points) + " 点を書き出しました";
}
std::string unknownAction(const std::string& action) {
  return "不明な操作 " + quoted(action) + " です";
}
std::string fileNameMissing(const std::string& action) {
  return action + ": ファイル名がありません";
}

}  // namespace meshcond::msg
