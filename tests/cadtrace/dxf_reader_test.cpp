#include "cadtrace/model/dxf_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/errors.h"
#include "tests/cadtrace/dxf_text.h"

namespace cadtrace {
namespace {

using testing::entitiesFile;
using testing::Groups;
using testing::line;
using testing::lwpolyline;
using testing::pairs;
using testing::operator+;
using ::testing::HasSubstr;

std::vector<std::pair<double, double>> points(const std::vector<Point>& ps) {
  std::vector<std::pair<double, double>> out;
  for (const Point& p : ps) out.emplace_back(p.x, p.y);
  return out;
}

std::string errorOf(std::string_view bytes) {
  try {
    readDxfEntities(bytes, "d.dxf");
  } catch (const common::Error& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(DxfReader, LineWithSubclassMarkers) {
  DxfDrawing d = readDxfEntities(entitiesFile(line("1", "2", "3.5", "-4")), "d.dxf");
  ASSERT_EQ(d.lines.size(), 1u);
  EXPECT_EQ(d.lines[0].start.x, 1.0);
  EXPECT_EQ(d.lines[0].start.y, 2.0);
  EXPECT_EQ(d.lines[0].end.x, 3.5);
  EXPECT_EQ(d.lines[0].end.y, -4.0);
  EXPECT_TRUE(d.polylines.empty());
}

TEST(DxfReader, R12LineWithoutMarkersAnyOrderDefaultsAndRepeats) {
  // Codes in any order; a missing code is 0; a repeated code: the last wins.
  std::string text = entitiesFile({{0, "LINE"},
                                   {8, "0"},
                                   {10, "1"},
                                   {11, "5"},
                                   {20, "2"},
                                   {21, "6"},
                                   {0, "LINE"},
                                   {11, "7"},
                                   {0, "LINE"},
                                   {10, "1"},
                                   {10, "9"},
                                   {20, "3"}});
  DxfDrawing d = readDxfEntities(text, "d.dxf");
  ASSERT_EQ(d.lines.size(), 3u);
  EXPECT_EQ(d.lines[0].start.x, 1.0);
  EXPECT_EQ(d.lines[0].start.y, 2.0);
  EXPECT_EQ(d.lines[0].end.x, 5.0);
  EXPECT_EQ(d.lines[0].end.y, 6.0);
  EXPECT_EQ(d.lines[1].start.x, 0.0);
  EXPECT_EQ(d.lines[1].end.x, 7.0);
  EXPECT_EQ(d.lines[1].end.y, 0.0);
  EXPECT_EQ(d.lines[2].start.x, 9.0);
  EXPECT_EQ(d.lines[2].start.y, 3.0);
}

TEST(DxfReader, LwPolylineSkipsWidthsBulgesIdsAndZ) {
  std::string text = entitiesFile({{0, "LWPOLYLINE"},
                                   {100, "AcDbPolyline"},
                                   {90, "3"},
                                   {70, "0"},
                                   {43, "0.0"},
                                   {20, "99"},
                                   {10, "0"},
                                   {20, "0"},
                                   {30, "0"},
                                   {40, "1.5"},
                                   {41, "2.5"},
                                   {42, "0.4142"},
                                   {10, "10"},
                                   {20, "0"},
                                   {91, "7"},
                                   {10, "10"},
                                   {42, "1"},
                                   {20, "5"},
                                   {10, "3"}});
  DxfDrawing d = readDxfEntities(text, "d.dxf");
  ASSERT_EQ(d.polylines.size(), 1u);
  EXPECT_EQ(points(d.polylines[0]),
            (std::vector<std::pair<double, double>>{{0, 0}, {10, 0}, {10, 5}, {3, 0}}));
}

TEST(DxfReader, LwPolylineWithoutVerticesGivesNothing) {
  DxfDrawing d = readDxfEntities(entitiesFile({{0, "LWPOLYLINE"}, {90, "0"}, {20, "x"}}), "d");
  EXPECT_TRUE(d.polylines.empty());
}

TEST(DxfReader, PolylineWithVerticesUpToSeqend) {
  std::string text = entitiesFile({{0, "POLYLINE"},
                                   {66, "1"},
                                   {10, "0"},
                                   {20, "0"},
                                   {70, "1"},
                                   {0, "VERTEX"},
                                   {10, "1"},
                                   {20, "2"},
                                   {70, "16"},
                                   {0, "VERTEX"},
                                   {10, "3"},
                                   {20, "4"},
                                   {0, "SEQEND"},
                                   {0, "VERTEX"},
                                   {10, "x"},
                                   {0, "SEQEND"},
                                   {0, "LINE"},
                                   {10, "5"}});
  DxfDrawing d = readDxfEntities(text, "d.dxf");
  ASSERT_EQ(d.polylines.size(), 1u);
  EXPECT_EQ(points(d.polylines[0]), (std::vector<std::pair<double, double>>{{1, 2}, {3, 4}}));
  ASSERT_EQ(d.lines.size(), 1u);
  EXPECT_EQ(d.lines[0].start.x, 5.0);
}

TEST(DxfReader, PolylineEndsAtAnEntityThatIsNotVertexAndProcessesIt) {
  std::string text =
      entitiesFile({{0, "POLYLINE"}, {0, "VERTEX"}, {10, "1"}, {20, "1"}, {0, "LINE"}, {11, "4"}});
  DxfDrawing d = readDxfEntities(text, "d.dxf");
  ASSERT_EQ(d.polylines.size(), 1u);
  EXPECT_EQ(d.polylines[0].size(), 1u);
  ASSERT_EQ(d.lines.size(), 1u);
  EXPECT_EQ(d.lines[0].end.x, 4.0);
}

TEST(DxfReader, ThreeDPolylinesAndMeshesAreSkippedUnread) {
  for (const char* flags : {"8", "9", "16", "64", "+72"}) {
    SCOPED_TRACE(flags);
    std::string text = entitiesFile({{0, "POLYLINE"},
                                     {70, flags},
                                     {0, "VERTEX"},
                                     {10, "bad"},
                                     {20, "bad"},
                                     {0, "SEQEND"},
                                     {0, "LINE"}});
    DxfDrawing d = readDxfEntities(text, "d.dxf");
    EXPECT_TRUE(d.polylines.empty());
    EXPECT_EQ(d.lines.size(), 1u);
  }
}

TEST(DxfReader, RealNumberForms) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {{"10", 10},         {"10.", 10}, {".5", 0.5},          {"1e3", 1000},
               {"-2.5E-1", -0.25}, {"+7", 7},   {"\t 3.25 \t", 3.25}, {"1e-320", 1e-320}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    DxfDrawing d = readDxfEntities(entitiesFile(line(c.text, "0", "0", "0")), "d.dxf");
    EXPECT_EQ(d.lines.at(0).start.x, c.value);
  }
}

TEST(DxfReader, ValueErrorsNameTheLineOfTheValue) {
  // Lines: 1-10 header section, 11-14 ENTITIES opening, then the LINE groups.
  for (const char* bad : {"1,5", "abc", "1e400", "", "0x10", "1.0.0", "nan", "inf"}) {
    SCOPED_TRACE(bad);
    std::string text = entitiesFile(line("1", "2", bad, "4"));
    // The 11 code is the 9th group of the LINE: its value is on line 14 + 9 * 2.
    EXPECT_EQ(errorOf(text), std::string("d.dxf: 32行: 文字が違います: \"") + bad + "\"");
  }
}

TEST(DxfReader, UndecodableBytesInAUsedValueAreAValueError) {
  std::string text = entitiesFile(line("1\x82", "2", "3", "4"));
  EXPECT_THAT(errorOf(text), HasSubstr("d.dxf: 26行: 文字が違います"));
  // ... and harmless elsewhere.
  std::string other =
      entitiesFile(Groups{{0, "TEXT"}, {1, "\x82\xA0\xFF"}} + line("1", "2", "3", "4"));
  EXPECT_EQ(readDxfEntities(other, "d").lines.size(), 1u);
}

TEST(DxfReader, PolylineFlagThatIsNotAnIntegerIsAValueError) {
  std::string text = entitiesFile({{0, "POLYLINE"}, {70, "1.0"}});
  EXPECT_EQ(errorOf(text), "d.dxf: 18行: 文字が違います: \"1.0\"");
}

TEST(DxfReader, UnusedValuesAreNeverConverted) {
  std::string text = entitiesFile({{0, "CIRCLE"},
                                   {10, "x"},
                                   {20, "y"},
                                   {0, "LINE"},
                                   {30, "z"},
                                   {0, "LWPOLYLINE"},
                                   {20, "before"},
                                   {42, "b"},
                                   {10, "1"},
                                   {30, "z"},
                                   {0, "VERTEX"},
                                   {10, "stray"},
                                   {0, "SEQEND"}});
  DxfDrawing d = readDxfEntities(text, "d.dxf");
  EXPECT_EQ(d.lines.size(), 1u);
  ASSERT_EQ(d.polylines.size(), 1u);
  EXPECT_EQ(points(d.polylines[0]), (std::vector<std::pair<double, double>>{{1, 0}}));
}

TEST(DxfReader, GroupsBeforeTheFirstEntityAreIgnored) {
  std::string text =
      pairs({{0, "SECTION"}, {2, "ENTITIES"}, {10, "x"}, {0, "LINE"}, {10, "2"}, {0, "ENDSEC"}});
  EXPECT_EQ(readDxfEntities(text, "d").lines.at(0).start.x, 2.0);
}

TEST(DxfReader, TypesAreComparedCaseSensitivelyAfterTrimming) {
  std::string text = pairs({{0, "SECTION"},
                            {2, "ENTITIES"},
                            {0, "line"},
                            {10, "x"},
                            {0, " \tLINE\t "},
                            {10, "3"},
                            {0, " ENDSEC "}});
  DxfDrawing d = readDxfEntities(text, "d");
  ASSERT_EQ(d.lines.size(), 1u);
  EXPECT_EQ(d.lines[0].start.x, 3.0);
}

TEST(DxfReader, OnlyTheFirstEntitiesSectionIsRead) {
  std::string text = entitiesFile(line("1", "0", "0", "0")) +
                     pairs({{0, "SECTION"}, {2, "ENTITIES"}}) + pairs(line("2", "0", "0", "0")) +
                     pairs({{0, "ENDSEC"}});
  EXPECT_EQ(readDxfEntities(text, "d").lines.size(), 1u);
}

TEST(DxfReader, LineEndsCrLfBomAndLastLineWithoutTerminator) {
  std::string text =
      "\xEF\xBB\xBF  0\r\nSECTION\r\n  2\r\nENTITIES\r\n  0\r\nLINE\r\n 10\r\n"
      "1.5\r\n  0\r\nENDSEC";
  DxfDrawing d = readDxfEntities(text, "d");
  ASSERT_EQ(d.lines.size(), 1u);
  EXPECT_EQ(d.lines[0].start.x, 1.5);
  // A lone CR stays in the line: the value is not a number. Line 8 counts from after the BOM.
  std::string lone =
      "\xEF\xBB\xBF  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n 10\n1.5\r\r\n  0\nENDSEC\n";
  EXPECT_EQ(errorOf(lone), "d.dxf: 8行: 文字が違います: \"1.5\r\"");
}

TEST(DxfReader, FileAndSectionErrors) {
  struct Case {
    const char* name;
    std::string text;
    std::string message;
  } cases[] = {
      {"binary", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22),
       "d.dxf: バイナリ形式の DXF ファイルです。図面をアスキー形式の DXF "
       "ファイルで保存してください"},
      {"no ENTITIES", pairs({{0, "SECTION"}, {2, "HEADER"}, {0, "ENDSEC"}, {0, "EOF"}}),
       "d.dxf: ENTITIES セクションがありません（「ENTITIES」の行がありません）"},
      {"entities in lower case", pairs({{0, "SECTION"}, {2, "entities"}, {0, "ENDSEC"}}),
       "d.dxf: ENTITIES セクションがありません（「ENTITIES」の行がありません）"},
      {"no ENDSEC", pairs({{0, "SECTION"}, {2, "ENTITIES"}, {0, "LINE"}, {0, "EOF"}}),
       "d.dxf: 4 行目からの ENTITIES セクションに ENDSEC がありません"},
      {"code on the last line", pairs({{0, "SECTION"}, {2, "ENTITIES"}, {0, "LINE"}}) + "  0\n",
       "d.dxf: 4 行目からの ENTITIES セクションに ENDSEC がありません"},
      {"bad code", pairs({{0, "SECTION"}, {2, "ENTITIES"}, {0, "LINE"}}) + "1O\n5\n  0\nENDSEC\n",
       "d.dxf: 7 行目: グループコード「1O」は整数ではありません"},
      {"bad code on the last line", pairs({{0, "SECTION"}, {2, "ENTITIES"}}) + "x\n",
       "d.dxf: 5 行目: グループコード「x」は整数ではありません"},
      {"code beyond 32 bits", pairs({{0, "SECTION"}, {2, "ENTITIES"}}) + "2147483648\nA\n",
       "d.dxf: 5 行目: グループコード「2147483648」は整数ではありません"},
      {"bad code after a bad value",
       pairs({{0, "SECTION"}, {2, "ENTITIES"}, {0, "LINE"}, {10, "bad"}}) + "1 0\n5\n",
       "d.dxf: 9 行目: グループコード「1 0」は整数ではありません"},
      {"missing ENDSEC after a bad value",
       pairs({{0, "SECTION"}, {2, "ENTITIES"}, {0, "LINE"}, {10, "bad"}}),
       "d.dxf: 4 行目からの ENTITIES セクションに ENDSEC がありません"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(errorOf(c.text), c.message);
  }
}

TEST(DxfReader, ValuesAreReportedInFileOrder) {
  std::string text = entitiesFile(line("1", "x", "2", "y") + lwpolyline({{"bad", "0"}}));
  EXPECT_THAT(errorOf(text), HasSubstr(": 28行: "));
}

TEST(DxfReader, BlocksAreNotRead) {
  std::string text =
      pairs({{0, "SECTION"}, {2, "BLOCKS"}, {0, "BLOCK"}}) + pairs(line("9", "9", "9", "9")) +
      pairs({{0, "ENDBLK"}, {0, "ENDSEC"}}) +
      pairs({{0, "SECTION"}, {2, "ENTITIES"}, {0, "INSERT"}, {2, "B"}, {0, "ENDSEC"}});
  DxfDrawing d = readDxfEntities(text, "d");
  EXPECT_TRUE(d.lines.empty());
  EXPECT_TRUE(d.polylines.empty());
}

}  // namespace
}  // namespace cadtrace
