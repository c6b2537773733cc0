#include "linemesh/model/messages.h"

#include <cstdio>
#include <map>

namespace linemesh::text {
namespace {

std::string n(long value) { return std::to_string(value); }

}  // namespace

std::string tableFull(Table table, int capacity) {
  const char* name = table == Table::Node ? "節点" : table == Table::Line ? "線" : "要素";
  return std::string(name) + "の表が一杯です（" + n(capacity) + " 個）。操作は行いませんでした";
}

std::string divideOverCapacity(int line, int parts, int nodeCapacity, int lineCapacity) {
  return "線 " + n(line) + " を " + n(parts) + " 分割すると表の容量（節点 " + n(nodeCapacity) +
         "、線 " + n(lineCapacity) + "）を超えます";
}

std::string autoMeshNodeMissing(int node) {
  return "自動メッシュ: 節点 " + n(node) + " がメッシュにありません";
}

std::string autoMeshUnexpectedElementType(int type) {
  return "自動メッシュ: 想定外の要素の種類 " + n(type);
}

std::string autoMeshSizeNotPositive(const std::string& size) {
  return "自動メッシュ: 要素の大きさ " + size + " は 0 より大きい数でなければなりません";
}

std::string autoMeshGmshFailed(const std::string& why) {
  return "自動メッシュ: Gmsh が失敗しました" + (why.empty() ? std::string() : ": " + why);
}

std::string autoMeshLargeMesh(int nodes, int elements, int editorNodes, int editorElements) {
  return "自動メッシュ: 節点 " + n(nodes) + "、要素 " + n(elements) +
         " のメッシュです。条件エディタが開けるのは節点 " + n(editorNodes) + "、要素 " +
         n(editorElements) + " までです";
}

std::string autoMeshOverCapacity(const std::string& size, const std::string& reached,
                                 int nodeCapacity, int lineCapacity, const std::string& fits) {
  return "自動メッシュ: 大きさ " + size + " では" + reached + " になり、表の容量（節点 " +
         n(nodeCapacity) + "、線 " + n(lineCapacity) + "）を超えます。大きさ " + fits +
         " 以上にしてください";
}

std::string autoMeshReachedNodes(long nodes) { return "節点 約 " + n(nodes); }

std::string autoMeshReachedNodesAndLines(long nodes, long lines) {
  return "節点 " + n(nodes) + "、線 " + n(lines);
}

std::string autoMeshOpenBoundary(int node) {
  return "自動メッシュ: 節点 " + n(node) + " の面の境界が閉じていません";
}

std::string autoMeshNoFaceAt(const std::string& x, const std::string& y) {
  return "自動メッシュ: 点 (" + x + ", " + y + ") を含む閉じた面がありません";
}

std::string autoMeshAmbiguousOutline(int node) {
  return "自動メッシュ: 節点 " + n(node) + " の面の外周がひとつに定まりません";
}

const char* fiveCornerCellsCaption() { return "五角形のセル（線で分割してください）"; }
const char* cellsWithoutElementCaption() { return "要素のないセル"; }
const char* nodesWithoutElementCaption() { return "要素のない節点"; }

std::string faultLineHead(const char* caption, size_t count) {
  return std::string(caption) + " " + n(static_cast<long>(count)) + " 個: ";
}

const char* nodesPrefix() { return "節点 "; }
std::string nodesMore(long count) { return "-…（" + n(count) + " 節点）"; }
const char* areaLabel() { return " 面積 "; }

const char* m3wFileKind() { return "M3W ファイル"; }
const char* nodeWord() { return "節点"; }
const char* lineWord() { return "線"; }
const char* nodeNumber() { return "節点番号"; }

std::string lineRecord(int j, int count) {
  return "線 " + n(j) + "/" + n(count) + "（番号、第 1 節点、第 2 節点）";
}

std::string tooManyElementSides(size_t capacity) {
  return "要素の辺が " + n(static_cast<long>(capacity)) + " 本を超えます";
}

std::string fiveCornerCellsRefused(const std::string& fileKind, size_t cells,
                                   const std::string& corners, int firstNode, const std::string& x,
                                   const std::string& y) {
  return fileKind + "を書き出せません: 五角形のセルが " + n(static_cast<long>(cells)) +
         " 個あります（最初のセルの節点 " + corners + "、節点 " + n(firstNode) + " の座標 (" + x +
         ", " + y + ")）。線を引いて三角形か四角形に分割してください";
}

std::string lineOwner(int line) { return "線 " + n(line); }
std::string elementOwner(int element) { return "要素 " + n(element); }

std::string nodeOutsideNetwork(const std::string& owner, int node, int nodes) {
  return owner + " が節点 " + n(node) + " を指していますが、線網の節点は 1.." + n(nodes) +
         " です。要素を成形し直してください";
}

std::string vokaCoordinateTooWide(int node, const char* name, const std::string& value) {
  return "VOKA ファイル: 節点 " + n(node) + ": " + name + " = " + value +
         " は VOKA が読む 10 桁に収まりません";
}

const char* vokaFileKind() { return "VOKAデータ"; }
const char* meshDataKind() { return "メッシュデータ"; }
const char* layerNodes() { return "節点"; }
const char* layerNodeNumbers() { return "節点番号"; }
const char* layerElementNumbers() { return "要素番号"; }
const char* layerElements() { return "メッシュ"; }
const char* layerFaultyCells() { return "エラー"; }

std::string formationHead(int elements, int triangles, int quadrilaterals) {
  return "要素：" + n(elements) + "（三角形 " + n(triangles) + "、四角形 " + n(quadrilaterals) +
         "）\n";
}

std::string angleRange(double minAngle, double maxAngle) {
  char text[120];
  std::snprintf(text, sizeof text, "内角: 最小 %.1f°、最大 %.1f°", minAngle, maxAngle);
  return text;
}

std::string worstElement(int element, double minAngle, double maxAngle) {
  char text[120];
  std::snprintf(text, sizeof text, "（最も歪んだ要素 %d: %.1f°〜%.1f°）", element, minAngle,
                maxAngle);
  return text;
}

const char* formationLegend() {
  return "要素のないセルは要素図に黄色で、どの要素にも属さない線は灰色で示します。";
}

std::string pickingStatus(double size, size_t faces) {
  char text[200];
  std::snprintf(text, sizeof text, "自動メッシュ %g m: 選んだ面 %zu、Enter で作成、Esc で中止",
                size, faces);
  return text;
}

const char* noFacePicked() {
  return "メッシュを作る面が選ばれていません。面をクリックしてください。";
}

std::string autoMeshStatus(int elements, int faces) {
  return "自動メッシュ: " + n(elements) + " 要素（" + n(faces) + " 面）";
}

std::string facesKept(int faces) { return "、" + n(faces) + " 面はそのまま"; }

std::string meshSizeInvalid(const std::string& typed) {
  return "要素の大きさは 0 より大きい数（m）で入力してください: 「" + typed + "」";
}

std::string written(const std::string& what, const std::string& path) {
  return what + " を書き出しました: " + path;
}

const char* unsavedQuestion() { return "変更が保存されていません。保存しますか？"; }
const char* stepTidyLines() { return "線の整理"; }
const char* stepAddLine() { return "線の追加"; }
const char* stepDeleteNode() { return "節点の削除"; }
const char* stepDeleteLine() { return "線の削除"; }
const char* stepDivideLine() { return "線の分割"; }
const char* stepForm() { return "要素の成形"; }
const char* stepAutoMesh() { return "自動メッシュ"; }
const char* stepTidyForSave() { return "保存前の整理"; }
const char* snapOn() { return "ONSNAP"; }
const char* snapOff() { return "OFFSNAP"; }
const char* connectFree() { return "自由"; }
const char* connectOrthogonal() { return "直交"; }
std::string nodeCaption(int nodes) { return "節点：" + n(nodes); }
std::string elementCaption(int elements) { return "要素：" + n(elements); }
const char* filterM3WOrDxf() { return "メッシュ(*.M3W)|*.M3W|DXF(*.DXF)|*.DXF"; }
const char* filterMeshData() { return "メッシュデータ(*.DAT)|*.DAT"; }
const char* filterM3W() { return "メッシュ(*.M3W)|*.M3W"; }
const char* filterM2W() { return "メッシュファイル(*.M2W)|*.M2W"; }
const char* filterDxf() { return "DXF(*.DXF)|*.DXF"; }
const char* filterZep() { return "ZEPデータ(*.DAT)|*.DAT"; }
const char* filterVoka() { return "VOKA.DAT(VK.DAT)|*.DAT"; }
const char* writtenM3W() { return "M3W"; }
const char* writtenM2W() { return "M2W"; }
const char* writtenLinePlot() { return "線の DXF"; }
const char* writtenElementPlot() { return "要素図の DXF"; }
const char* writtenMeshData() { return "MESH.DAT"; }
const char* writtenVoka() { return "VOKA"; }

const char* caption(const char* objectName) {
  static const std::map<std::string, const char*> captions = {
      {"Load1", "読み込み(&L)"},
      {"MESHDAT1", "MESH.DAT"},
      {"Save1", "保存(&S)"},
      {"M2W1", "M2Wの保存"},
      {"M3WPlot1", "M3Wのプロット"},
      {"Yoso1", "要素の成形"},
      {"AutoMesh1", "自動メッシュ..."},
      {"Plot1", "要素図プロット"},
      {"Mesh1", "メッシュデータ"},
      {"ZEPAN1", "ZEPAN"},
      {"VOKA1", "VOKA"},
      {"Exit1", "終了(&X)"},
      {"Undo1", "元に戻す(&U)"},
      {"Redo1", "やり直し(&R)"},
      {"Cancel1", "中止"},
      {"ElementNumbers1", "要素番号(&N)"},
      {"btnLine", "線"},
      {"btnDel", "削除"},
      {"btnDevide", "分割"},
      {"btnAutoMesh", "自動"},
      {"btnMeshPicked", "メッシュ作成"},
      {"btnOnSnap", "OnSnap"},
      {"btnFreeDeg", "直交"},
      {"btnZoomIn", "拡大"},
      {"btnZoomOut", "縮小"},
      {"btnZoomAll", "全体"},
      {"btnArea", "部分"},
      {"ToolButton3", "拡大"},
      {"btnLeft", "左"},
      {"btnRight", "右"},
      {"btnUp", "上"},
      {"btnDown", "下"},
      {"lblSnap", "ONSNAP"},
      {"lblConnect", "自由"},
      {"LabelNode", "節点：0"},
      {"LabelElement", "要素：0"},
      {"FileF1", "File(&F)"},
      {"Edit1", "編集(&E)"},
      {"View1", "表示(&V)"},
      {"Devide1", "分割数"},
      {"DAT1", "DAT保存"},
      {"Form1", "線を引く"},
      {"btnLine2", "決定"},
      {"Dev2", "２分割"},
      {"Dev3", "３分割"},
      {"Dev4", "４分割"},
      {"Dev5", "５分割"},
      {"Dev6", "６分割"},
      {"Dev7", "７分割"},
      {"Dev8", "８分割"},
      {"Dev9", "９分割"},
      {"Dev10", "10分割"},
  };
  const auto it = captions.find(objectName);
  return it == captions.end() ? objectName : it->second;
}

const char* programName() { return "ゼルカ"; }
const char* saveButton() { return "保存"; }
const char* discardButton() { return "破棄"; }
const char* cancelButton() { return "キャンセル"; }
const char* autoMeshTitle() { return "自動メッシュ"; }
const char* meshSizeLabel() { return "要素の大きさ (m)"; }
const char* allFacesChoice() { return "すべての面"; }
const char* clickedFacesChoice() { return "クリックした面"; }
const char* facesLabel() { return "メッシュを作る面"; }

}  // namespace linemesh::text
