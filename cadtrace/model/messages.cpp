#include "cadtrace/model/messages.h"

namespace cadtrace::messages {

std::string wrongText(const std::string& file, long line, const std::string& text) {
  return file + ": " + std::to_string(line) + "行: 文字が違います: \"" + text + "\"";
}

std::string binaryDxf(const std::string& file) {
  return file +
         ": バイナリ形式の DXF ファイルです。図面をアスキー形式の DXF ファイルで保存してください";
}

std::string noEntities(const std::string& file) {
  return file + ": ENTITIES セクションがありません（「ENTITIES」の行がありません）";
}

std::string noEndsec(const std::string& file, long sectionLine) {
  return file + ": " + std::to_string(sectionLine) +
         " 行目からの ENTITIES セクションに ENDSEC がありません";
}

std::string groupCodeNotInteger(const std::string& code) {
  return "グループコード「" + code + "」は整数ではありません";
}

std::string settingNotNumber(const char* name, const std::string& text) {
  return std::string(name) + "「" + text + "」は数ではありません";
}

std::string tooManyNodes(int capacity, const std::string& point) {
  return "節点が " + std::to_string(capacity) + " 個を超えます。これ以上は扱えません（点 " + point +
         "）";
}

std::string tooManyLines(int capacity) {
  return "線が " + std::to_string(capacity) + " 本を超えます。これ以上は扱えません";
}

std::string beyondRange(int node, const std::string& point) {
  return "節点 " + std::to_string(node) + " " + point + " は、移動と縮尺のあと数の範囲を超えます";
}

std::string whileCutting(const std::string& what, const std::string& point,
                         const std::string& why) {
  return what + "（交わる線を " + point + " で切っているところ）: " + why;
}

std::string crossingsPacked() {
  return "交点が密集していて線が何度も切られます。図面のその箇所を直してください";
}

std::string cutDrawingTooLarge(int lines, int nodes, int drawn) {
  return "交点で切った図面の線が扱える数を超えます（描かれた線 " + std::to_string(drawn) +
         " 本から、線 " + std::to_string(lines) + " 本・節点 " + std::to_string(nodes) +
         " 個に達しました）";
}

std::string txtSameAsM3w(const std::string& m3wPath) {
  return m3wPath +
         ": 座標リストが M3W ファイルと同じ名前になります。M3W ファイルに別の名前を付けてください";
}

std::string written(int nodes, int lines, const std::string& m3wPath, const std::string& txtPath) {
  return "節点 " + std::to_string(nodes) + "、線 " + std::to_string(lines) +
         " を書き出しました: " + m3wPath + ", " + txtPath;
}

}  // namespace cadtrace::messages
