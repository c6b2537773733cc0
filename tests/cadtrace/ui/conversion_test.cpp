// The converter's window converting real files: the file choice, the files
// written, the messages of a failed conversion and the preview.
#include "cadtrace/model/conversion.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <fstream>
#include <string>
#include <vector>

#include "cadtrace/model/preview.h"
#include "cadtrace/model/writers.h"
#include "cadtrace/ui/form1.h"
#include "cadtrace/ui/preview_image.h"
#include "common/text_file.h"
#include "tests/cadtrace/ui/fake_dialogs.h"
#include "tests/cadtrace/ui/qt_printers.h"

namespace cadtrace::ui {
namespace {

using testing::FakeDialogs;

struct Segment {
  double x1, y1, x2, y2;
};

// A drawing of LINE entities, as a CAD program writes it.
std::string dxfOfLines(const std::vector<Segment>& segments) {
  std::string text = "  0\nSECTION\n  2\nENTITIES\n";
  for (const Segment& s : segments) {
    text += "  0\nLINE\n  8\n0\n 10\n" + std::to_string(s.x1) + "\n 20\n" + std::to_string(s.y1) +
            "\n 30\n0.0\n 11\n" + std::to_string(s.x2) + "\n 21\n" + std::to_string(s.y2) +
            "\n 31\n0.0\n";
  }
  return text + "  0\nENDSEC\n  0\nEOF\n";
}

// A square of side 10 with both diagonals: five nodes after cutting.
const std::vector<Segment> kCrossedSquare = {
    {0, 0, 10, 0}, {10, 0, 10, 10}, {10, 10, 0, 10}, {0, 10, 0, 0}, {0, 0, 10, 10}, {10, 0, 0, 10},
};

class ConversionTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }

  std::string path(const std::string& name) const {
    return dir.filePath(QString::fromStdString(name)).toStdString();
  }

  std::string writeFile(const std::string& name, const std::string& bytes) {
    std::ofstream(path(name), std::ios::binary) << bytes;
    return path(name);
  }

  template <class Widget>
  Widget* child(Form1& window, const char* name) {
    auto* widget = window.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QLineEdit* edit(const char* name) { return child<QLineEdit>(form, name); }
  QString status() { return child<QLabel>(form, "statusLine")->text(); }

  // Chooses the file through the dialog, as a user does, and converts it.
  void chooseAndConvert(Form1& window, FakeDialogs& answering, const std::string& dxfPath) {
    answering.answers.push_back(QString::fromStdString(dxfPath));
    child<QPushButton>(window, "Button1")->click();
    child<QToolButton>(window, "spdConvert")->click();
  }

  QTemporaryDir dir;
  FakeDialogs dialogs;
  Form1 form{&dialogs};
};

TEST_F(ConversionTest, ChoosingAFileProposesTheOutputName) {
  struct Case {
    const char* chosen;
    const char* proposed;
  };
  const Case cases[] = {
      {"D:\\x\\plan.DXF", "D:\\x\\plan.M3W"},
      {"D:\\data\\sec1.dxf", "D:\\data\\sec1.M3W"},
      {"/home/eng/断面図.dxf", "/home/eng/断面図.M3W"},
      // The last four characters go, whatever they are.
      {"/home/eng/section", "/home/eng/sec.M3W"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    dialogs.answers = {QString(c.chosen)};
    child<QPushButton>(form, "Button1")->click();
    EXPECT_EQ(edit("EditDXFName")->text(), c.chosen);
    EXPECT_EQ(edit("EditM2WName")->text(), c.proposed);
  }
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ConversionTest, APathTypedByHandIsTakenAsItStands) {
  // Typing the drawing's name proposes nothing; the output box keeps its text.
  const std::string dxf = writeFile("plan.dxf", dxfOfLines(kCrossedSquare));
  edit("EditDXFName")->setText(QString::fromStdString(dxf));
  EXPECT_EQ(edit("EditM2WName")->text(), "");

  // An output name typed without an extension loses four characters in the
  // coordinate list's name.
  edit("EditM2WName")->setText(QString::fromStdString(path("abcdefg")));
  child<QToolButton>(form, "spdConvert")->click();
  ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text.toStdString();
  EXPECT_TRUE(common::pathExists(path("abcdefg")));
  EXPECT_TRUE(common::pathExists(path("abc.TXT")));
}

TEST_F(ConversionTest, WritesTheSameFilesAsTheBatchTool) {
  const std::string dxf = writeFile("plan.DXF", dxfOfLines(kCrossedSquare));
  chooseAndConvert(form, dialogs, dxf);
  ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text.toStdString();

  const LineModel expected = convertDxfFile(dxf, {});
  EXPECT_EQ(expected.NNODE, 5);
  EXPECT_EQ(expected.NLINE, 8);
  EXPECT_EQ(common::readFileBytes(path("plan.M3W")), common::encodeLines(MakeM2W(expected)));
  EXPECT_EQ(common::readFileBytes(path("plan.TXT")), common::encodeLines(MakeXY(expected)));

  EXPECT_TRUE(status().contains("節点 5、線 8")) << status().toStdString();
  EXPECT_TRUE(status().contains(QString::fromStdString(path("plan.M3W"))));
  EXPECT_TRUE(status().contains(QString::fromStdString(path("plan.TXT"))));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ConversionTest, ScaleAndReferenceBoxesReachTheFilesButTheUnitButtonsDoNot) {
  const std::string dxf = writeFile("plan.dxf", dxfOfLines({{7, 12, 8, 12}}));
  edit("EditScaleV")->setText("100");
  edit("EditScaleH")->setText("200");
  edit("EditKijunV")->setText("10");
  edit("EditKijunH")->setText("5");
  chooseAndConvert(form, dialogs, dxf);
  ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text.toStdString();
  const std::string inMetres = common::readFileBytes(path("plan.M3W"));
  EXPECT_NE(inMetres.find("   400.000   200.000\r\n"), std::string::npos) << inMetres;

  child<QRadioButton>(form, "RadioButton2")->click();
  child<QToolButton>(form, "spdConvert")->click();
  ASSERT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(common::readFileBytes(path("plan.M3W")), inMetres);
}

TEST_F(ConversionTest, AFailedConversionShowsItsMessageAndWritesNothing) {
  struct Case {
    const char* name;
    std::string dxf;        // file contents; empty: no file at all
    const char* scaleV;     // text of the V scale box
    bool emptyOutputName;   // clear the proposed output name
    const char* inMessage;  // part of the message shown
  };
  const std::string good = dxfOfLines(kCrossedSquare);
  const Case cases[] = {
      {"missing file", "", "1", false, "missing.dxf"},
      {"no ENTITIES", "  0\nSECTION\n  2\nHEADER\n  0\nENDSEC\n  0\nEOF\n", "1", false, "ENTITIES"},
      {"bad coordinate", "  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n 10\n1.5x\n  0\nENDSEC\n", "1",
       false, "8行: 文字が違います"},
      {"scale not a number", good, "abc", false, "abc"},
      {"no output name", good, "1", true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeDialogs answering;
    Form1 window(&answering);
    const std::string stem =
        std::string(c.dxf.empty() ? "missing" : "case") + std::to_string(&c - cases);
    const std::string dxf = c.dxf.empty() ? path("missing.dxf") : writeFile(stem + ".dxf", c.dxf);
    // An earlier result under the output names must survive the failure.
    writeFile(stem + ".M3W", "earlier M3W");
    writeFile(stem + ".TXT", "earlier TXT");
    child<QLineEdit>(window, "EditScaleV")->setText(c.scaleV);
    answering.answers.push_back(QString::fromStdString(dxf));
    child<QPushButton>(window, "Button1")->click();
    if (c.emptyOutputName) child<QLineEdit>(window, "EditM2WName")->clear();
    child<QToolButton>(window, "spdConvert")->click();

    ASSERT_EQ(answering.messages.size(), 1u);
    EXPECT_TRUE(answering.messages[0].text.contains(QString::fromUtf8(c.inMessage)))
        << answering.messages[0].text.toStdString();
    EXPECT_FALSE(answering.messages[0].text.isEmpty());
    EXPECT_EQ(common::readFileBytes(path(stem + ".M3W")), "earlier M3W");
    EXPECT_EQ(common::readFileBytes(path(stem + ".TXT")), "earlier TXT");
    EXPECT_FALSE(child<QLabel>(window, "statusLine")->text().contains("書き出しました"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  }
}

TEST_F(ConversionTest, NeitherOutputReplacesTheDrawingOrStopsHalfWay) {
  // A drawing named like its own coordinate list, chosen through the dialog;
  // then a folder in the way of the coordinate list.
  const std::string drawing = dxfOfLines(kCrossedSquare);
  const std::string dxf = writeFile("plan.TXT", drawing);
  chooseAndConvert(form, dialogs, dxf);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_TRUE(dialogs.messages[0].text.contains("に書き込めません: 読み込んだファイル（"))
      << dialogs.messages[0].text.toStdString();
  EXPECT_EQ(common::readFileBytes(dxf), drawing);
  EXPECT_FALSE(common::pathExists(path("plan.M3W")));

  writeFile("sec.dxf", drawing);
  writeFile("sec.M3W", "earlier M3W");
  ASSERT_TRUE(QDir(dir.path()).mkpath("sec.TXT/inner"));
  chooseAndConvert(form, dialogs, path("sec.dxf"));
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_TRUE(dialogs.messages[1].text.contains("sec.TXT に書き込めません: フォルダです"));
  EXPECT_EQ(common::readFileBytes(path("sec.M3W")), "earlier M3W");
}

// Pixels that are not the blank colour.
std::vector<QPoint> drawnPixels(const QImage& picture) {
  std::vector<QPoint> drawn;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (picture.pixelColor(x, y) != PreviewImage::blankColour()) drawn.emplace_back(x, y);
  return drawn;
}

TEST_F(ConversionTest, ThePreviewShowsTheNodesAndLines) {
  form.show();
  const std::string dxf = writeFile("plan.dxf", dxfOfLines(kCrossedSquare));
  chooseAndConvert(form, dialogs, dxf);
  ASSERT_TRUE(dialogs.messages.empty());

  const QImage& picture = form.image()->picture();
  const int width = form.image()->width();
  const int height = form.image()->height();
  const PreviewMapping map(convertDxfFile(dxf, {}), width, height);
  // The corners' circles: outline black, inside white, and a bottom edge
  // point half way between two corners on the line.
  const int left = map.pixelX(0), right = map.pixelX(10);
  const int bottom = map.pixelY(0), top = map.pixelY(10);
  EXPECT_LT(right - left, width);
  EXPECT_GT(right - left, width / 2);
  EXPECT_EQ(picture.pixelColor(left - 2, bottom), QColor(Qt::black));
  EXPECT_EQ(picture.pixelColor((left + right) / 2, bottom), QColor(Qt::black));
  EXPECT_EQ(picture.pixelColor(right, (top + bottom) / 2), QColor(Qt::black));
  // Inside the square, away from the diagonals, nothing is drawn.
  EXPECT_EQ(picture.pixelColor((left + right) / 2, top + 5), PreviewImage::blankColour());
  EXPECT_EQ(picture.pixelColor((left + right) / 2, (top + bottom) / 2 + 1), QColor(Qt::black));
}

TEST_F(ConversionTest, ASecondConversionDrawsOverTheFirst) {
  const std::string first = writeFile("first.dxf", dxfOfLines(kCrossedSquare));
  const std::string second = writeFile("second.dxf", dxfOfLines({{0, 0, 30, 2}, {0, 2, 30, 0}}));

  FakeDialogs aloneDialogs;
  Form1 alone(&aloneDialogs);
  for (Form1* window : {&form, &alone}) window->show();
  ASSERT_EQ(form.image()->size(), alone.image()->size());
  // What the second drawing alone leaves untouched stays red; its circles'
  // white insides then count as drawn.
  const QColor untouched(Qt::red);
  alone.image()->picture().fill(untouched);
  chooseAndConvert(form, dialogs, first);
  const QImage afterFirst = form.image()->picture().copy();
  chooseAndConvert(form, dialogs, second);
  chooseAndConvert(alone, aloneDialogs, second);
  ASSERT_TRUE(dialogs.messages.empty());
  ASSERT_TRUE(aloneDialogs.messages.empty());

  // Every pixel the second drawing leaves untouched shows the first drawing.
  const QImage& both = form.image()->picture();
  const QImage& secondOnly = alone.image()->picture();
  int keptFromFirst = 0;
  for (const QPoint& p : drawnPixels(afterFirst)) {
    if (secondOnly.pixelColor(p) != untouched) continue;
    EXPECT_EQ(both.pixelColor(p), afterFirst.pixelColor(p)) << p.x() << ", " << p.y();
    ++keptFromFirst;
  }
  EXPECT_GT(keptFromFirst, 100);
  // And the second drawing lies on top.
  int fromSecond = 0;
  for (int y = 0; y < secondOnly.height(); ++y)
    for (int x = 0; x < secondOnly.width(); ++x) {
      if (secondOnly.pixelColor(x, y) == untouched) continue;
      ASSERT_EQ(both.pixelColor(x, y), secondOnly.pixelColor(x, y)) << x << ", " << y;
      ++fromSecond;
    }
  EXPECT_GT(fromSecond, 100);
}

TEST_F(ConversionTest, DrawingsWithoutExtentConvertAndPaintWhatTheyCan) {
  struct Case {
    const char* name;
    std::vector<Segment> segments;
    int nodes;
  };
  const Case cases[] = {
      {"all on one x", {{5, 0, 5, 10}, {5, 10, 5, 20}}, 3},
      {"all on one y", {{0, 5, 10, 5}}, 2},
      {"one point", {{3, 3, 3, 3}}, 1},
      {"no nodes", {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeDialogs answering;
    Form1 window(&answering);
    window.show();
    const std::string stem = "flat" + std::to_string(&c - cases);
    chooseAndConvert(window, answering, writeFile(stem + ".dxf", dxfOfLines(c.segments)));
    ASSERT_TRUE(answering.messages.empty()) << answering.messages.front().text.toStdString();
    EXPECT_TRUE(common::pathExists(path(stem + ".M3W")));
    EXPECT_TRUE(common::pathExists(path(stem + ".TXT")));
    EXPECT_EQ(drawnPixels(window.image()->picture()).empty(), c.nodes == 0);
  }
}

}  // namespace
}  // namespace cadtrace::ui
