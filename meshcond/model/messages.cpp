#include "meshcond/model/messages.h"

#include <cstdio>
#include <map>

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
std::string fluctBoundaries() { return "水位変動境界"; }
std::string fluxBoundaries() { return "流量変動境界"; }
std::string listCount(const std::string& list) { return list + ": 個数"; }
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
std::string releaseStep(const std::string& what) { return what + "の解除"; }
std::string setStep(const std::string& what) { return what + "の設定"; }
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
std::string fileNameMissing(const std::string& action) {
  return action + ": ファイル名がありません";
}

namespace window {
const char* caption(const char* objectName) {
  static const std::map<std::string, const char*> captions = {
      {"TForm1", "材質番号を振る[*]"},
      {"spdExp", "＋"},
      {"spdRed", "－"},
      {"spdLeft", "←"},
      {"spdUp", "↑"},
      {"spdDown", "↓"},
      {"spdRifht", "→"},
      {"btnExp2", "□"},
      {"btnRed2", "◇"},
      {"chkElem", "要素番号表示"},
      {"btnAreaSelect", "全"},
      {"btnPen", "ペ"},
      {"btnArea", "エ"},
      {"LabelStage", "材質番号"},
      {"btnEdit", "編集"},
      {"Label2", "要素番号"},
      {"Label1", "X"},
      {"Label3", "Y"},
      {"spdRedraw", "再描画"},
      {"N1", "ファイル(&F)"},
      {"Open1", "開く(&O)"},
      {"Mesh1", "メッシュ"},
      {"ZEPDAT2", "ZEP.DAT"},
      {"Save1", "保存(&S)"},
      {"MESH2", "メッシュ保存"},
      {"D2DAT1", "D2.DAT"},
      {"N5", "エキスポート"},
      {"Kasen1", "河川水位"},
      {"Kouu1", "降雨"},
      {"ZEPDAT1", "(旧)ZEP.DAT"},
      {"Exit1", "終了(&X)"},
      {"N3", "編集(&E)"},
      {"Undo", "元に戻す(&U)"},
      {"Redo", "やり直し(&R)"},
      {"TITLE1", "タイトル"},
      {"SOLV1", "解析条件"},
      {"TIME1", "時間・許容誤差"},
      {"Element1", "材質"},
      {"TOSUI1", "透水係数"},
      {"N4", "初期・境界条件(&C)"},
      {"SYOKI1", "初期水位"},
      {"FIXWL1", "水位固定"},
      {"SINSYUTU1", "浸出点"},
      {"RAIN1", "降雨浸透"},
      {"FLOATWL1", "水位変動"},
      {"QDIX", "流量固定"},
      {"QFLOAT1", "流量変動"},
      {"WELLB", "井戸底"},
      {"WELLW", "井戸壁"},
      {"TForm2", "タイトル"},
      {"TForm3", "解析条件の入力"},
      {"TForm4", "降雨強度関係"},
      {"TForm5", "時間・誤差の入力"},
      {"TForm6", "透水係数の設定"},
      {"TForm7", "水頭掲示変化入力"},
      {"TForm8", "初期水位の設定"},
      {"TFormFix", "固定水位"},
  };
  const auto it = captions.find(objectName);
  return it == captions.end() ? objectName : it->second;
}
const char* toolTip(const char* objectName) {
  static const std::map<std::string, const char*> tips = {
      {"spdExp", "拡大"},        {"spdRed", "縮小"},
      {"spdLeft", "左へ"},       {"spdUp", "上へ"},
      {"spdDown", "下へ"},       {"spdRifht", "右へ"},
      {"btnExp2", "範囲を拡大"}, {"btnRed2", "全体（余白付き）"},
      {"btnAreaSelect", "全体"}, {"btnPen", "ペン"},
      {"btnArea", "エリア"},
  };
  const auto it = tips.find(objectName);
  return it == tips.end() ? "" : it->second;
}
const char* applicationTitle() { return "VOKAの要素を変更する"; }
const char* saveButton() { return "保存"; }
const char* discardButton() { return "破棄"; }
const char* cancelButton() { return "キャンセル"; }
const char* closeButton() { return "閉じる"; }
const char* unsavedQuestion() { return "変更が保存されていません。保存しますか？"; }
const char* stepCarryOver() { return "メッシュの読み込み（条件の引き継ぎ）"; }
const char* stepSave() { return "保存"; }
const char* stepMeshSave() { return "メッシュ保存"; }
const char* stepMaterialArea() { return "材質の設定（エリア）"; }
const char* stepMaterial() { return "材質の設定"; }
const char* filterMesh() { return "メッシュ(*.DAT)|*.DAT"; }
const char* filterZepan() { return "ZEPANデータ(*.DAT)|*.DAT"; }
const char* filterMeshData() { return "メッシュデータ(*.DAT)|*.DAT"; }
const char* filterLevels() { return "水位データ(*.CSV)|*.CSV"; }
const char* filterInitialLevels() { return "初期水位(*.csv)|*.csv"; }
const char* filterRain() { return "降雨データ(*.CSV)|*.CSV"; }

const char* materialNumber() { return "材質番号"; }
const char* fixedLevel() { return "固定水位"; }
const char* seepageFaceNumber() { return "浸出面番号"; }
const char* rainfallNode() { return "降雨節点"; }
const char* fluctSurface() { return "水位変動面"; }
const char* elementNumber() { return "要素番号"; }
const char* nodeNumber() { return "節点番号"; }
const char* modeMaterial() { return "材質"; }
const char* modeFixedLevel() { return "水位固定"; }
const char* modeSeepage() { return "浸出点"; }
const char* modeRainfall() { return "降雨浸透"; }
const char* modeFluctuating() { return "水位変動"; }
const char* modeHead() { return "モード: "; }
const char* toolHead() { return "　ツール: "; }
const char* noTool() { return "なし"; }
const char* toolPen() { return "ペン"; }
const char* toolArea() { return "エリア"; }
const char* toolZoom() { return "拡大"; }

const char* analysisKind() { return "解析の種類"; }
const char* section2d() { return "２次元断面"; }
const char* axisymmetric() { return "軸対象"; }
const char* axisymmetricPumping() { return "軸対象（揚水）"; }
const char* steadiness() { return "定常・非定常"; }
const char* steady() { return "定常"; }
const char* unsteady() { return "非定常"; }
const char* unsaturated() { return "不飽和特性"; }
const char* measured() { return "実験値"; }
const char* formula1() { return "式(1)"; }
const char* formula2() { return "式(2)"; }
const char* solver() { return "解析法"; }
const char* gauss() { return "ガウスの消去法"; }
const char* pcg() { return "PCG法"; }
const char* maxito() { return "収束計算回数制限"; }
const char* maxit() { return "最大繰り返し回数"; }
const char* ncul() { return "ステップ戻り数"; }

const char* timeHeading() { return "時間"; }
const char* tolLabel() { return "計算の許容誤差(cm)"; }
const char* dtLabel() { return "初期ステップの時間"; }
const char* dtmaxLabel() { return "増加時間の最大値"; }
const char* dmulLabel() { return "時間の増加倍率"; }
const char* tmaxLabel() { return "計算の最終時間"; }
const char* tsolvLabel() { return "PCG法の収束基準"; }
const char* itmaxLabel() { return "PCG法の繰り返し回数"; }
const char* outputTimes() { return "計算結果の出力時間"; }
std::string outputTimeCell(const std::string& cell) { return outputTimes() + (": " + cell); }
const char* start() { return "開始"; }
const char* end() { return "終了"; }
const char* pitch() { return "ピッチ"; }
const char* compute() { return "計算"; }

const char* enterButton() { return "入力"; }
const char* titleLabel() { return "タイトル"; }
const char* importButton() { return "外部データ"; }
const char* offset() { return "ゲタ"; }
const char* initialLevel() { return "初期水位"; }
const char* initialFile() { return "初期ファイル"; }
const char* clay() { return "粘性土： M"; }
const char* sand() { return "砂質土：S"; }
const char* gravel() { return "礫質土：G"; }
const char* rainTimeHeading() { return " 時間"; }
const char* rainHeading() { return "降雨(mm)"; }
const char* levelHeading() { return "水位(m)"; }
const char* rainIntensity() { return "降雨強度"; }
const char* fluctBoundaryNumber() { return "水位変化境界番号"; }
const char* levelChange() { return "水位変化"; }
const char* fluctuating() { return "水位変動"; }
const char* rainfall() { return "降雨浸透"; }
const char* permeabilityKh() { return "透水係数(kh)"; }
const char* permeabilityKv() { return "透水係数(kv)"; }
const char* poisson() { return "ポアソン比"; }
const char* specificStorage() { return "比貯留係数"; }

std::string legendMaterial(int material) { return "材質 " + num(material); }
std::string legendFixedGroup(int group) { return "水位固定 グループ " + num(group); }
std::string legendFixedLevel(double level) {
  char text[64];
  std::snprintf(text, sizeof text, "水位固定 H = %.3f m", level);
  return text;
}
const char* legendSeepage() { return "浸出面"; }
const char* legendFluct() { return "水位変動境界"; }
const char* legendRainfall() { return "降雨浸透"; }
const char* untitledFigure() { return "メッシュ"; }
}  // namespace window

namespace field {
std::string nodeCount() { return "節点数 NUMNP"; }
std::string elementCount() { return "要素数 NUMEL"; }
std::string fluctCount() { return "水位変動境界数 NFLUCT"; }
std::string fluctNodeCount(int b) { return "水位変動境界の節点数 NFN: " + boundary(b); }
std::string fluctSeriesLength(int b) { return "水位時系列の長さ NFT: " + boundary(b); }
std::string rainNodeCount() { return "降雨節点数 NRAIN"; }
std::string rainSeriesLength() { return "降雨時系列の長さ NRTIME"; }
std::string outputTimeCount() { return "出力時刻数 NOUT"; }
std::string seepFaceCount() { return "浸出面数 NSEEP"; }
std::string seepNodeCount(int f) { return "浸出面の節点数 NSEEPN: " + seepageFace(f); }
std::string fluxCount() { return "流量変動境界数 NFLUX"; }
std::string fluxNodeCount(int b) { return "流量変動境界の節点数 NQN: " + boundary(b); }
std::string fluxSeriesLength(int b) { return "流量時系列の長さ NQT: " + boundary(b); }
std::string wellListLength(int list) { return "井戸リストの長さ NWL" + num(list); }
std::string materialCount() { return "材料数 NUMMAT"; }
std::string firstLevelSeriesLength() { return "境界 1 の水位時系列の長さ NFT"; }

std::string title() { return "タイトル"; }
std::string controlLine(int k) { return "制御行 " + num(k); }
std::string controlLine4Values() { return "制御行 4 の 14 個の値"; }
std::string curvePointCounts() { return "曲線の点数"; }
std::string elementLine(int i) { return "要素行 " + num(i); }
std::string elementNumber() { return "要素番号"; }
std::string materialNumber() { return "材料番号"; }
std::string nodeNumber() { return "節点番号"; }
std::string listNodes(const std::string& list) { return list + " 節点"; }
std::string seepHeaderLine(int f) { return "見出し行: " + seepageFace(f); }
std::string seepHeaderValues() { return "NSEEPN と浸出面の値"; }
std::string seepValue() { return "浸出面の値"; }
std::string rainHeaderLine() { return "降雨の見出し行"; }
std::string rainHeaderValues() { return "RMAX と降雨の値"; }
std::string rainValue() { return "降雨の値"; }
std::string rainValue(int k) { return "降雨の値 " + num(k); }
std::string rain() { return "降雨"; }
std::string rainSeriesValues() { return "降雨時系列の値"; }
std::string levelSeriesValues(int b) { return "水位時系列の値: " + boundary(b); }
std::string fluxSeriesValues(int b) { return "流量時系列の値: " + boundary(b); }
std::string wellLists() { return "井戸リスト"; }
std::string wellLine() { return "井戸の値"; }
std::string wellValues() { return "井戸の四つの値"; }
std::string wellValue(int k) { return "井戸の値 " + num(k); }
std::string timeControlLine() { return "時間制御行"; }
std::string outputTimes() { return "出力時刻"; }
std::string materialLine(int k) { return "行: " + material(k); }
std::string materialValue(int v) { return "材料の値 " + num(v); }
std::string materialValueOf(int k, int v) { return material(k) + " 値 " + num(v); }
std::string conductivityCurveValues(int k) { return "透水係数曲線の値: " + material(k); }
std::string suctionCurveValues(int k) { return "サクション曲線の値: " + material(k); }
std::string nodeLine(int i) { return "節点行 " + num(i); }
std::string nodeLineValues() { return "節点番号, KODE, X, Y, H, Q"; }

std::string controlValue(int k) { return "制御値 " + num(k); }
std::string secondGroupValue(int k) { return "値 " + num(k) + "（第 2 制御群）"; }
std::string fourthGroupValue(int k) { return controlValue(k) + "（第 4 制御群）"; }
std::string elementRecordNumber(int i) { return "要素レコード " + num(i) + ": 要素番号"; }
std::string elementMaterial(int e) { return element(e) + ": 材料"; }
std::string elementReal(int e) { return element(e) + ": 実数値"; }
std::string rainNode(int k) { return "降雨" + msg::node(k); }
std::string fluctNodeCountOf(int b) { return "節点数 NFN: " + fluctBoundary(b); }
std::string nodeRecordNumber(int i) { return "節点レコード " + num(i) + ": 節点番号"; }

std::string materialColour(int k) { return material(k) + " 色"; }
std::string materialConstant(int k) { return material(k) + " 定数"; }
std::string materialPermeabilityPerSecond(int k, const char* which) {
  return material(k) + " " + which + "（m/s）";
}
std::string soilConductivityPoint(const char* soil, int k) {
  return std::string("土質 ") + soil + " 透水係数の点 " + num(k);
}
std::string soilSuctionPoint(const char* soil, int k) {
  return std::string("土質 ") + soil + " サクションの点 " + num(k);
}
std::string initialLevel() { return "初期水位"; }
std::string fixedNodeCount() { return "固定水位の節点数"; }
std::string fixedNode() { return "固定水位の節点"; }

std::string levelPointTime(int k) { return "水位時系列の点 " + num(k) + " 時刻"; }
std::string levelPointLevel(int k) { return "水位時系列の点 " + num(k) + " 水位"; }
std::string rainPointTime(int k) { return "降雨時系列の点 " + num(k) + " 時刻"; }
std::string rainPointIntensity(int k) { return "降雨時系列の点 " + num(k) + " 強度 (mm/h)"; }

std::string node() { return "節点"; }
std::string seepageFaces() { return "浸出面"; }
std::string fluctSurfaces() { return "水位変動面"; }
std::string seepageFaceNumber() { return "浸出面番号"; }
}  // namespace field

std::string text(const Numbered& name, long long first) {
  return name.before + std::to_string(first) + name.after;
}
std::string text(const Numbered& name, long long first, long long second) {
  return name.before + std::to_string(first) + name.middle + std::to_string(second) + name.after;
}

namespace item {
Numbered nkr() { return {"NKR: 材料 ", "", ""}; }
Numbered npsi() { return {"NPSI: 材料 ", "", ""}; }
Numbered elementNumber() { return {"要素 ", "", " 番号"}; }
Numbered elementCorner() { return {"要素 ", " 角 ", ""}; }
Numbered elementMaterial() { return {"要素 ", "", " 材料"}; }
Numbered seepNode() { return {"浸出面 ", " 節点 ", ""}; }
Numbered rainNode() { return {"降雨節点 ", "", ""}; }
Numbered rainTime() { return {"降雨時刻 ", "", ""}; }
Numbered rainIntensity() { return {"降雨強度 ", "", ""}; }
Numbered rainIntensityMmPerHour() { return {"降雨強度 ", "", " (mm/h)"}; }
Numbered fluctNode() { return {"水位変動境界 ", " 節点 ", ""}; }
Numbered fluctSeriesLength() { return {"NFT: 水位変動境界 ", "", ""}; }
Numbered fluctTime() { return {"水位変動境界 ", " 時刻 ", ""}; }
Numbered fluctLevel() { return {"水位変動境界 ", " 水位 ", ""}; }
Numbered levelPointTime() { return {"境界 ", " 水位時系列の点 ", " 時刻"}; }
Numbered levelPointLevel() { return {"境界 ", " 水位時系列の点 ", " 水位"}; }
Numbered fluxNode() { return {"流量変動境界 ", " 節点 ", ""}; }
Numbered fluxSeriesLength() { return {"NQT: 流量変動境界 ", "", ""}; }
Numbered fluxPointTime() { return {"流量変動境界 ", " 時系列の点 ", " 時刻"}; }
Numbered fluxPointValue() { return {"流量変動境界 ", " 時系列の点 ", " 値"}; }
Numbered wellNode(int list) {
  return {list == 1 ? "井戸リスト 1 節点 " : "井戸リスト 2 節点 ", "", ""};
}
Numbered outputTime() { return {"出力時刻 ", "", ""}; }
Numbered conductivityPointTheta() { return {"材料 ", " 透水係数曲線の点 ", " 含水率"}; }
Numbered conductivityPointValue() { return {"材料 ", " 透水係数曲線の点 ", " 値"}; }
Numbered suctionPointTheta() { return {"材料 ", " サクション曲線の点 ", " 含水率"}; }
Numbered suctionPointSuction() { return {"材料 ", " サクション曲線の点 ", " サクション"}; }
Numbered nodeNumber() { return {"節点 ", "", " 番号"}; }
Numbered nodeFixedLevel() { return {"節点 ", "", " 固定水位"}; }
Numbered nodeValue(const char* code) { return {"節点 ", "", code}; }
}  // namespace item

}  // namespace meshcond::msg
