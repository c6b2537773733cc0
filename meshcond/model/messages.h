// The condition editor's messages: the sentences its files, windows and
// batch action show, in one table. Each function returns the whole text with
// its values filled in; the callers add the position (file, line, field) and
// name the item read or written from msg::field and msg::item below.
#pragma once

#include <string>
#include <vector>

#include "common/messages.h"

namespace meshcond::msg {

// Names of the things a message points at.
std::string node(int n);
using common::messages::element;
std::string material(int k);
using common::messages::corner;
std::string seepageFace(int f);
std::string fluctBoundary(int b);
std::string fluxBoundary(int b);
std::string boundary(int b);
std::string rainfallNodes();
std::string wellList(int k);
std::string fluctBoundaries();
std::string fluxBoundaries();
std::string listCount(const std::string& list);   // "list: 個数"
std::string nth(const std::string& what, int k);  // "what の k 番目"

// Reading files.
using common::messages::fileEndsExpecting;
std::string fileEndsBefore(const std::string& file, const std::string& what);
using common::messages::appearsTwice;
using common::messages::columns;
using common::messages::notInteger;
using common::messages::notReal;
using common::messages::outsideRange;
using common::messages::tooFewFields;
std::string titleNotCp932();
std::string seriesOnlyOnFirstBoundaries(int b, int last);
using common::messages::fiveCornerCell;

// Checking and writing files.
std::string aboveLimit(const std::string& file, const std::string& what, long value, long limit);
std::string titleOneLine(const std::string& file);
std::string listNodeOutside(const std::string& list, int entry, int node, int high);
std::string groupMissing(int node, int group, int levels);
std::string tooManyFixedLevels(int node, int capacity);
std::string cornerOutside(int element, int corner, int node, int capacity);
std::string materialOutside(int material, int capacity);
std::string writtenItem(const std::string& file, size_t line, const std::string& item,
                        const std::string& value);
std::string fieldTooNarrow(const std::string& where, const std::string& format, size_t chars,
                           int width);
std::string fieldFilled(const std::string& where, const std::string& format);
std::string notFinite(const std::string& what);

// Editing.
std::string listFull(const std::string& what, int list, int capacity);
std::string listNumberOutside(const std::string& label, int number, int limit);
std::string pitchNotPositive(const std::string& pitch);
std::string tooManyOutputTimes(int capacity, const std::string& start, const std::string& end,
                               const std::string& pitch);
std::string outputTimesAboveCapacity(const std::string& label, int count, int capacity);
std::string cellMissing(const std::string& cell);
std::string cellName(int column, int row);
std::string materialAboveCapacity(int material, int element, int capacity);
std::string twoFieldsExpected(size_t found);
std::string seriesFull(const std::string& label, int capacity);
std::string levelSeriesBoundary(const std::string& label, int boundary, int last);
std::string fixedLevelsAboveCapacity(const std::string& label, size_t count, int capacity);
std::string lineOf(const std::string& label, size_t line);
std::string unexpectedError();
std::string missingFixedLevel();
std::string releaseStep(const std::string& what);  // "whatの解除"
std::string setStep(const std::string& what);      // "whatの設定"
std::string carriedOver(int nodesWithoutPartner, int elementsWithoutPartner, int droppedEntries);
/// "what を書き出しました: path", naming the files written beside it.
std::string written(const std::string& what, const std::string& path,
                    const std::vector<std::string>& alsoWritten = {});

// The batch tool's condition-editor actions (seepbatch meshcond).
std::string meshLoaded(const std::string& file, int nodes, int elements);
std::string carriedOverSummary(int nodesWithoutPartner, int elementsWithoutPartner,
                               int droppedEntries);
std::string zepRead(const std::string& file, int nodes, int elements, int materials);
std::string legacyImported(const std::string& file, int nodes, int elements, int materials);
std::string zepWritten(const std::string& file, int nodes, int elements, int materials,
                       const std::vector<std::string>& packageFiles);
std::string meshWritten(const std::string& file, int nodes, int elements);
std::string d2Written(const std::string& file, int nodes, int elements, const std::string& marker,
                      bool markerWritten);
std::string figureSize(const std::string& size);
std::string figureNumbers(const std::string& onOff);
std::string figureNumbersOnOff(const std::string& value);
std::string figureWritten(const std::string& file, int nodes, int elements);
std::string levelsExported(const std::string& path, int points);
std::string rainExported(const std::string& path, int points);
std::string fileNameMissing(const std::string& action);

// The window and its dialogs: captions, grid headings, the legend and the
// status line.
namespace window {
/// The caption of the main window's and the dialogs' widgets (menus, menu
/// items, buttons, labels, window titles) by object name ("Save1" ->
/// "保存(&S)"); an unknown name is given back as it is.
const char* caption(const char* objectName);
/// The tip of a button of the main window's panel by object name; empty for
/// a button without one.
const char* toolTip(const char* objectName);
const char* applicationTitle();
const char* saveButton();
const char* discardButton();
const char* cancelButton();
const char* closeButton();
const char* unsavedQuestion();
const char* stepCarryOver();
const char* stepSave();
const char* stepMeshSave();
const char* stepMaterialArea();
const char* stepMaterial();
const char* filterMesh();
const char* filterZepan();
const char* filterMeshData();
const char* filterLevels();
const char* filterInitialLevels();
const char* filterRain();

// Edit modes (label of the value typed, status caption) and tools.
const char* materialNumber();  // "材質番号"
const char* fixedLevel();      // "固定水位"
const char* seepageFaceNumber();
const char* rainfallNode();
const char* fluctSurface();
const char* elementNumber();  // "要素番号"
const char* nodeNumber();     // "節点番号"
const char* modeMaterial();
const char* modeFixedLevel();
const char* modeSeepage();
const char* modeRainfall();
const char* modeFluctuating();
const char* modeHead();  // "モード: "
const char* toolHead();  // "　ツール: "
const char* noTool();
const char* toolPen();
const char* toolArea();
const char* toolZoom();

// The analysis dialog.
const char* analysisKind();
const char* section2d();
const char* axisymmetric();
const char* axisymmetricPumping();
const char* steadiness();
const char* steady();
const char* unsteady();
const char* unsaturated();  // "不飽和特性", also the material grid's heading
const char* measured();
const char* formula1();
const char* formula2();
const char* solver();
const char* gauss();
const char* pcg();
const char* maxito();
const char* maxit();
const char* ncul();

// The time dialog.
const char* timeHeading();  // "時間"
const char* tolLabel();
const char* dtLabel();
const char* dtmaxLabel();
const char* dmulLabel();
const char* tmaxLabel();
const char* tsolvLabel();
const char* itmaxLabel();
const char* outputTimes();
std::string outputTimeCell(const std::string& cell);  // "計算結果の出力時間: cell"
const char* start();
const char* end();
const char* pitch();
const char* compute();

// The series, level and permeability dialogs.
const char* enterButton();
const char* titleLabel();
const char* importButton();
const char* offset();  // "ゲタ"
const char* initialLevel();
const char* initialFile();
const char* clay();
const char* sand();
const char* gravel();
const char* rainTimeHeading();  // " 時間"
const char* rainHeading();      // "降雨(mm)"
const char* levelHeading();     // "水位(m)"
const char* rainIntensity();
const char* fluctBoundaryNumber();
const char* levelChange();
const char* fluctuating();  // "水位変動"
const char* rainfall();     // "降雨浸透"
const char* permeabilityKh();
const char* permeabilityKv();
const char* poisson();
const char* specificStorage();

// The legend and the figure.
std::string legendMaterial(int material);
std::string legendFixedGroup(int group);
std::string legendFixedLevel(double level);  // "水位固定 H = 1.500 m"
const char* legendSeepage();
const char* legendFluct();
const char* legendRainfall();
const char* untitledFigure();
}  // namespace window

// Names of the values the readers, writers and checks handle: the item a
// message points at.
namespace field {
// Counts checked before a file is read or written.
std::string nodeCount();               // "節点数 NUMNP"
std::string elementCount();            // "要素数 NUMEL"
std::string fluctCount();              // "水位変動境界数 NFLUCT"
std::string fluctNodeCount(int b);     // "水位変動境界の節点数 NFN: 境界 b"
std::string fluctSeriesLength(int b);  // "水位時系列の長さ NFT: 境界 b"
std::string rainNodeCount();           // "降雨節点数 NRAIN"
std::string rainSeriesLength();        // "降雨時系列の長さ NRTIME"
std::string outputTimeCount();         // "出力時刻数 NOUT"
std::string seepFaceCount();           // "浸出面数 NSEEP"
std::string seepNodeCount(int f);      // "浸出面の節点数 NSEEPN: 浸出面 f"
std::string fluxCount();               // "流量変動境界数 NFLUX"
std::string fluxNodeCount(int b);      // "流量変動境界の節点数 NQN: 境界 b"
std::string fluxSeriesLength(int b);   // "流量時系列の長さ NQT: 境界 b"
std::string wellListLength(int list);  // "井戸リストの長さ NWL1"
std::string materialCount();           // "材料数 NUMMAT"
std::string firstLevelSeriesLength();  // "境界 1 の水位時系列の長さ NFT"

// ZEP.DAT read.
std::string title();
std::string controlLine(int k);
std::string controlLine4Values();
std::string curvePointCounts();
std::string elementLine(int i);
std::string elementNumber();
std::string materialNumber();
std::string nodeNumber();
std::string listNodes(const std::string& list);  // "list 節点"
std::string seepHeaderLine(int f);
std::string seepHeaderValues();
std::string seepValue();
std::string rainHeaderLine();
std::string rainHeaderValues();
std::string rainValue();
std::string rainValue(int k);
std::string rain();
std::string rainSeriesValues();
std::string levelSeriesValues(int b);
std::string fluxSeriesValues(int b);
std::string wellLists();
std::string wellLine();
std::string wellValues();
std::string wellValue(int k);
std::string timeControlLine();
std::string outputTimes();
std::string materialLine(int k);
std::string materialValue(int v);           // "材料の値 v"
std::string materialValueOf(int k, int v);  // "材料 k 値 v"
std::string conductivityCurveValues(int k);
std::string suctionCurveValues(int k);
std::string nodeLine(int i);
std::string nodeLineValues();

// The old form of ZEP.DAT.
std::string controlValue(int k);
std::string secondGroupValue(int k);
std::string fourthGroupValue(int k);
std::string elementRecordNumber(int i);
std::string elementMaterial(int e);
std::string elementReal(int e);
std::string rainNode(int k);
std::string fluctNodeCountOf(int b);
std::string nodeRecordNumber(int i);

// D2.DAT.
std::string materialColour(int k);
std::string materialConstant(int k);
std::string materialPermeabilityPerSecond(int k, const char* which);  // "材料 k KH（m/s）"
std::string soilConductivityPoint(const char* soil, int k);
std::string soilSuctionPoint(const char* soil, int k);
std::string initialLevel();
std::string fixedNodeCount();
std::string fixedNode();

// The CSV exports.
std::string levelPointTime(int k);
std::string levelPointLevel(int k);
std::string rainPointTime(int k);
std::string rainPointIntensity(int k);

// Editing.
std::string node();               // "節点"
std::string seepageFaces();       // "浸出面"
std::string fluctSurfaces();      // "水位変動面"
std::string seepageFaceNumber();  // "浸出面番号"
}  // namespace field

/// A written value's name with one or two numbers in it, put together only
/// when the value is refused: before + first (+ middle + second) + after.
struct Numbered {
  const char* before;
  const char* middle;
  const char* after;
};
std::string text(const Numbered& name, long long first);
std::string text(const Numbered& name, long long first, long long second);

namespace item {
Numbered nkr();                     // "NKR: 材料 k"
Numbered npsi();                    // "NPSI: 材料 k"
Numbered elementNumber();           // "要素 e 番号"
Numbered elementCorner();           // "要素 e 角 c"
Numbered elementMaterial();         // "要素 e 材料"
Numbered seepNode();                // "浸出面 f 節点 k"
Numbered rainNode();                // "降雨節点 k"
Numbered rainTime();                // "降雨時刻 k"
Numbered rainIntensity();           // "降雨強度 k"
Numbered rainIntensityMmPerHour();  // "降雨強度 k (mm/h)"
Numbered fluctNode();               // "水位変動境界 b 節点 k"
Numbered fluctSeriesLength();       // "NFT: 水位変動境界 b"
Numbered fluctTime();               // "水位変動境界 b 時刻 k"
Numbered fluctLevel();              // "水位変動境界 b 水位 k"
Numbered levelPointTime();          // "境界 b 水位時系列の点 k 時刻"
Numbered levelPointLevel();         // "境界 b 水位時系列の点 k 水位"
Numbered fluxNode();                // "流量変動境界 b 節点 k"
Numbered fluxSeriesLength();        // "NQT: 流量変動境界 b"
Numbered fluxPointTime();           // "流量変動境界 b 時系列の点 k 時刻"
Numbered fluxPointValue();          // "流量変動境界 b 時系列の点 k 値"
Numbered wellNode(int list);        // "井戸リスト 1 節点 k"
Numbered outputTime();              // "出力時刻 k"
Numbered conductivityPointTheta();  // "材料 k 透水係数曲線の点 p 含水率"
Numbered conductivityPointValue();  // "材料 k 透水係数曲線の点 p 値"
Numbered suctionPointTheta();       // "材料 k サクション曲線の点 p 含水率"
Numbered suctionPointSuction();     // "材料 k サクション曲線の点 p サクション"
Numbered nodeNumber();              // "節点 n 番号"
Numbered nodeFixedLevel();          // "節点 n 固定水位"
/// "節点 n" + code, the code (" X", " KODE") as the file names it.
Numbered nodeValue(const char* code);
}  // namespace item

}  // namespace meshcond::msg
