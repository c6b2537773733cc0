#include "seepbatch/messages.h"

#include <map>

#include "seepbatch/commands.h"

namespace seepbatch {

const char* const kCadtraceUsage =
    "  seepbatch cadtrace INPUT.DXF [OUTPUT.M3W] [--scale-v N] [--scale-h N] [--ref-v N] [--ref-h "
    "N]\n      DXF の図面を M3W の線ファイルと .TXT の座標一覧に変換します\n";

const char* const kLinemeshUsage =
    "  seepbatch linemesh [--snap-eps E] ACTION...\n      --load F  --load-mesh F  --line X1 Y1 X2 "
    "Y2  --auto-mesh SIZE\n      --auto-mesh-at X Y SIZE  --form  --report F  --save F  "
    "--save-mesh F"
    "\n      --save-m2w F  --save-voka F  --plot-lines F  --plot-elements F\n"
    "      --figure-size A4|A3|WxH  --figure F.pdf|F.svg|F.png\n";

namespace text {
namespace {

std::string n(long value) { return std::to_string(value); }

}  // namespace

std::string helpTitle() { return "seepbatch: 画面を使わずに浸透流解析の入力を作ります\n"; }
std::string usageHeading() { return "usage:\n"; }
std::string helpFooter() {
  return "\n操作は指定した順に行います。最初のエラーを標準エラーに出して終了コード 1 で\n"
         "終わります（それまでの操作が書いたファイルは残ります）。\n";
}

std::string unknownSubcommand(const std::string& command) {
  return "seepbatch: 未知のサブコマンド \"" + command + "\" です（seepbatch --help を参照）";
}

std::string unknownAction(const std::string& action) {
  return "不明な操作 \"" + action + "\" です";
}

std::string needsArguments(const std::string& action, size_t count) {
  return action + " には引数が " + n(static_cast<long>(count)) + " 個必要です";
}

std::string snapEpsNeedsValue() { return "--snap-eps には値が必要です"; }

std::string snapEpsNotANumber(const std::string& value) {
  return "--snap-eps: \"" + value + "\" は数ではありません";
}

std::string snapEpsOnce() { return "--snap-eps は最初の操作の前に 1 回だけ指定できます"; }

std::string unknownOption(const std::string& option) {
  return "未知のオプション \"" + option + "\" です";
}

std::string optionNeedsValue(const std::string& option) {
  return "オプション " + option + " には値が必要です";
}

std::string noInputDxf() { return "入力の DXF ファイルが指定されていません"; }

std::string tooManyFileNames() { return "ファイル名が多すぎます（入力と出力の 2 つまでです）"; }

std::string formationMissing() {
  return "要素の成形（--form）がまだ行われていないか、その後に線が変わりました";
}

std::string lineCounts(int nodes, int lines) { return "節点 " + n(nodes) + "、線 " + n(lines); }

std::string elementCounts(int nodes, int elements) {
  return "節点 " + n(nodes) + "、要素 " + n(elements);
}

std::string elementTotal(int elements) { return "要素 " + n(elements); }

std::string formationCounts(int nodes, int lines, int elements, int triangles, int quadrilaterals,
                            int fiveCornerCells) {
  return lineCounts(nodes, lines) + "、要素 " + n(elements) + "（三角形 " + n(triangles) +
         "、四角形 " + n(quadrilaterals) + "、五角形のセル " + n(fiveCornerCells) + "）";
}

std::string actionLine(const std::string& caption, const std::string& file,
                       const std::string& summary) {
  return caption + (file.empty() ? "" : " " + file) + ": " + summary;
}

std::string actionCaption(const std::string& action) {
  static const std::map<std::string, std::string> captions = {
      {"--load", "読み込み"},
      {"--load-mesh", "メッシュデータ読み込み"},
      {"--line", "線"},
      {"--form", "要素の成形"},
      {"--auto-mesh", "自動メッシュ"},
      {"--auto-mesh-at", "自動メッシュ（点指定）"},
      {"--report", "成形の報告"},
      {"--figure-size", "図の大きさ"},
      {"--figure", "図"},
      {"--save", "保存"},
      {"--save-mesh", "メッシュデータ保存"},
      {"--save-m2w", "M2W保存"},
      {"--save-voka", "VOKA保存"},
      {"--plot-lines", "M3Wのプロット"},
      {"--plot-elements", "要素図プロット"}};
  const auto it = captions.find(action);
  return it == captions.end() ? action : it->second;
}

std::string autoMeshSummary(const std::string& caption, int facesMeshed, int facesKept,
                            int nodesAdded, int linesAdded, const std::string& counts) {
  return caption + ": メッシュにした面 " + n(facesMeshed) + "、そのままの面 " + n(facesKept) +
         "、追加 節点 " + n(nodesAdded) + "・線 " + n(linesAdded) + "; " + counts;
}

std::string converted(int nodes, int lines, const std::string& m3w, const std::string& txt) {
  return lineCounts(nodes, lines) + ": " + m3w + ", " + txt;
}

std::string figureSizeInvalid(const std::string& text, int minPixels, int maxPixels) {
  return "--figure-size: \"" + text + "\" は A4、A3 または 幅x高さ（画素、" + n(minPixels) + "〜" +
         n(maxPixels) + "）で指定してください";
}

std::string noFigures() { return "このビルドには図の出力がありません"; }

}  // namespace text
}  // namespace seepbatch
