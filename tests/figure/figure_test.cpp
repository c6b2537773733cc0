// Figures written as files, headless: PDF, SVG and PNG are valid and of the
// size asked for, the legend of a known model is in the SVG's text, the
// dialog and the menu items of both windows, and the batch tool.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QXmlStreamReader>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "common/errors.h"
#include "common/text_file.h"
#include "figure/figure_dialog.h"
#include "linemesh/files/m3w_file.h"
#include "linemesh/ui/line_figure.h"
#include "linemesh/ui/main_window.h"
#include "meshcond/ui/condition_figure.h"
#include "meshcond/ui/main_window.h"
#include "tests/meshcond/interaction/fake_dialogs.h"
#include "tests/meshcond/interaction/test_mesh.h"
#include "tests/support/test_scratch_folder.h"

namespace figure {
namespace {

namespace fs = std::filesystem;

/// The texts of an SVG in document order with their fill colours; the parse must succeed.
struct SvgText {
  std::string fill;
  std::string text;
};

/// Element numbers are written in pure blue, or in white on a dark fill.
bool isElementNumber(const SvgText& t) { return t.fill == "#0000ff" || t.fill == "#ffffff"; }

std::vector<SvgText> svgTexts(const fs::path& file, std::string* viewBox = nullptr) {
  QFile f(QString::fromStdString(file.string()));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file;
  QXmlStreamReader xml(&f);
  std::vector<SvgText> texts;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == QStringLiteral("svg") && viewBox)
      *viewBox = xml.attributes().value(QStringLiteral("viewBox")).toString().toStdString();
    if (xml.name() == QStringLiteral("text")) {
      const std::string fill =
          xml.attributes().value(QStringLiteral("fill")).toString().toStdString();
      texts.push_back({fill, xml.readElementText().toStdString()});
    }
  }
  EXPECT_FALSE(xml.hasError()) << file << ": " << xml.errorString().toStdString();
  return texts;
}

/// The scale bar's length, the first text that is a number of metres.
std::string scaleLabel(const std::vector<SvgText>& texts) {
  for (const SvgText& t : texts)
    if (t.text.size() > 2 && t.text.ends_with(" m") &&
        t.text.find_first_not_of("0123456789.") == t.text.size() - 2)
      return t.text;
  return "";
}

/// All texts joined: a text drawn in one call may come as several elements.
std::string joined(const std::vector<SvgText>& texts) {
  std::string all;
  for (const SvgText& t : texts) all += t.text;
  return all;
}

int run(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

/// The first page of a PDF rendered by pdftoppm at dpi; a null image when it does not open.
QImage pdfPage(const fs::path& pdf, int dpi) {
  const fs::path out = pdf.parent_path() / "page";
  fs::remove(out.string() + "-1.png");
  if (run("pdftoppm -png -r " + std::to_string(dpi) + " '" + pdf.string() + "' '" + out.string() +
          "'") != 0)
    return {};
  return QImage(QString::fromStdString(out.string() + "-1.png"));
}

bool hasInk(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) return true;
  return false;
}

class FigureFiles : public ::testing::Test {
 protected:
  void SetUp() override { meshcond::ui::testing::makeConditionModel(model); }
  fs::path file(const std::string& name) const { return scratch.dir() / name; }
  Figure conditions(bool numbers = true) const {
    meshcond::ui::FigureWindow whole;
    whole.elementNumbers = numbers;
    return meshcond::ui::conditionFigure(model, whole);
  }

  common::testing::TestScratchFolder scratch{"figure"};
  meshcond::AnalysisModel model;
};

TEST_F(FigureFiles, EachFormatIsValidAndOfTheSizeAskedFor) {
  struct Case {
    const char* name;
    FigureSize size;
    int width, height;  // pixels of the file or the view box, or of the page at 20 dpi
  } cases[] = {
      {"a4.pdf", {Paper::A4}, 234, 166},
      {"a3.PDF", {Paper::A3}, 331, 234},
      {"f.svg", {Paper::A4, 800, 600}, 800, 600},
      {"f.png", {Paper::A4, 640, 480}, 640, 480},
      {"g.png", {Paper::A3, 1600, 1000}, 1600, 1000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path path = file(c.name);
    writeFigure(path.string(), c.size, conditions());
    QImage picture;
    switch (*formatOf(c.name)) {
      case Format::Pdf:
        picture = pdfPage(path, 20);
        break;
      case Format::Svg: {
        std::string viewBox;
        EXPECT_FALSE(svgTexts(path, &viewBox).empty());
        EXPECT_EQ(viewBox, "0 0 " + std::to_string(c.width) + " " + std::to_string(c.height));
        ASSERT_EQ(run("rsvg-convert '" + path.string() + "' -o '" + file("svg.png").string() + "'"),
                  0);
        picture = QImage(QString::fromStdString(file("svg.png").string()));
        // Drawn in millimetres at 96 dpi, the picture may be a pixel larger.
        picture = picture.copy(0, 0, c.width, c.height);
        break;
      }
      case Format::Png:
        picture = QImage(QString::fromStdString(path.string()));
        break;
    }
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.width(), c.width);
    EXPECT_EQ(picture.height(), c.height);
    EXPECT_TRUE(hasInk(picture));
  }
}

TEST_F(FigureFiles, TheSvgCarriesTitleLegendAndScaleBarAsText) {
  writeFigure(file("f.svg").string(), {Paper::A4, 1600, 1000}, conditions());
  const std::vector<SvgText> texts = svgTexts(file("f.svg"));
  const std::string all = joined(texts);
  for (const char* expected :
       {"試験断面 A", "凡例", "材質 1", "材質 2", "材質 5", "水位固定 H = 12.500 m",
        "水位固定 H = 8.250 m", "浸出面", "水位変動境界", "降雨浸透", "5 m"})
    EXPECT_NE(all.find(expected), std::string::npos) << expected << " in " << all;
  // The element numbers.
  std::vector<std::string> numbers;
  for (const SvgText& t : texts)
    if (isElementNumber(t)) numbers.push_back(t.text);
  EXPECT_EQ(numbers, (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));

  writeFigure(file("n.svg").string(), {Paper::A4, 1600, 1000}, conditions(false));
  for (const SvgText& t : svgTexts(file("n.svg"))) EXPECT_FALSE(isElementNumber(t)) << t.text;
}

TEST_F(FigureFiles, ARefusedNameOrFolderLeavesNoFile) {
  EXPECT_THROW(writeFigure(file("f.jpg").string(), {}, conditions()), common::Error);
  EXPECT_FALSE(fs::exists(file("f.jpg")));
  EXPECT_THROW(writeFigure(file("none/f.pdf").string(), {}, conditions()), common::Error);
  // A figure written again replaces the old one whole.
  common::writeFileBytes(file("old.png").string(), "old");
  writeFigure(file("old.png").string(), {Paper::A4, 300, 200}, conditions());
  EXPECT_EQ(QImage(QString::fromStdString(file("old.png").string())).size(), QSize(300, 200));
}

TEST_F(FigureFiles, TheMeshMakersFigureShowsLinesOrElementsWithTheirNumbers) {
  linemesh::LineNetwork net;
  linemesh::files::readM3W(net, SEEP_FIXTURE_DIR "/linemesh/grid2x1.M3W");
  using linemesh::ui::wholeNetwork;
  writeFigure(file("l.svg").string(), {Paper::A4, 800, 600},
              linemesh::ui::lineFigure(net, wholeNetwork(net, false), fileTitle("grid2x1.M3W")));
  net.formElements();
  const double eps = net.eps;
  writeFigure(file("e.svg").string(), {Paper::A4, 800, 600},
              linemesh::ui::lineFigure(net, wholeNetwork(net, true), fileTitle("")));
  EXPECT_EQ(net.eps, eps);
  // Title, scale bar, and the element numbers only in the element figure.
  EXPECT_EQ(joined(svgTexts(file("l.svg"))), "grid2x1.M3W00.5 m");
  EXPECT_EQ(joined(svgTexts(file("e.svg"))), "12メッシュ00.5 m");
}

TEST(WholeNetwork, EveryLiveNodeOrASizeAroundASingleOne) {
  linemesh::LineNetwork net;
  net.drawLine(2, 3, 12, 3);
  linemesh::ui::FigureWindow w = linemesh::ui::wholeNetwork(net, false);
  EXPECT_EQ(std::vector<double>({w.xmin, w.xmax, w.ymin, w.ymax}),
            std::vector<double>({2, 12, -2, 8}));
  linemesh::LineNetwork empty;
  w = linemesh::ui::wholeNetwork(empty, false);
  EXPECT_EQ(std::vector<double>({w.xmin, w.xmax, w.ymin, w.ymax}),
            std::vector<double>({empty.xmin, empty.xmax, empty.ymin, empty.ymax}));
}

// ---- the dialog and the menu items ------------------------------------------

/// Answers the next figure dialog: a file name, then the pixels or the paper.
void answerDialog(const std::string& path, std::function<void(FigureDialog&)> choose = {}) {
  QTimer::singleShot(0, [path, choose] {
    auto* dialog = dynamic_cast<FigureDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->setPath(path);
    if (choose) choose(*dialog);
    dialog->accept();
  });
}

void setPixels(FigureDialog& d, int w, int h) {
  d.findChild<QSpinBox*>(QStringLiteral("pixelWidth"))->setValue(w);
  d.findChild<QSpinBox*>(QStringLiteral("pixelHeight"))->setValue(h);
}

TEST(FigureDialogTest, TheExtensionEnablesPaperOrPixelsAndOthersAreRefused) {
  FigureDialog d({"", {Paper::A3, 700, 500}});
  auto paper = d.findChild<QGroupBox*>(QStringLiteral("paper"));
  auto pixels = d.findChild<QGroupBox*>(QStringLiteral("pixels"));
  struct Case {
    const char* path;
    bool paper, pixels;
  } cases[] = {{"a.pdf", true, false},
               {"a.SVG", false, true},
               {"a.png", false, true},
               {"a.txt", true, true}};
  for (const Case& c : cases) {
    d.setPath(c.path);
    EXPECT_EQ(paper->isEnabled(), c.paper) << c.path;
    EXPECT_EQ(pixels->isEnabled(), c.pixels) << c.path;
  }
  d.show();
  d.accept();  // a.txt
  EXPECT_TRUE(d.isVisible());
  EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("problem"))->text().toStdString(), kFormatProblem);
  d.setPath(" b.png ");
  setPixels(d, 900, 300);
  d.accept();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  const FigureRequest r = d.request();
  EXPECT_EQ(r.path, "b.png");
  EXPECT_EQ(r.size, (FigureSize{Paper::A3, 900, 300}));
}

TEST(ExportFigure, TheLastChoiceIsKeptAndACancelWritesNothing) {
  common::testing::TestScratchFolder scratch("figure");
  FigureRequest last{"", {Paper::A4, 640, 480}};
  int made = 0;
  auto make = [&made] {
    ++made;
    return Figure{"t", {}, {}};
  };
  const std::string path = (scratch.dir() / "x.png").string();
  answerDialog(path, [](FigureDialog& d) { setPixels(d, 320, 240); });
  EXPECT_TRUE(exportFigure(nullptr, last, make));
  EXPECT_EQ(last.path, path);
  EXPECT_EQ(last.size.width, 320);
  EXPECT_EQ(QImage(QString::fromStdString(path)).size(), QSize(320, 240));
  QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
  EXPECT_FALSE(exportFigure(nullptr, last, make));
  EXPECT_EQ(made, 1);
}

TEST(ConditionEditorWindow, TheFigureFollowsTheViewAndTheNumberSwitch) {
  common::testing::TestScratchFolder scratch("figure");
  meshcond::AnalysisModel m;
  meshcond::ui::testing::FakeDialogs dialogs;
  meshcond::ui::MainWindow window(m, dialogs);
  window.resize(1131, 700);
  window.show();
  window.applyStartupSettings();
  dialogs.paths.push_back(SEEP_FIXTURE_DIR "/meshcond/section_MESH.DAT");
  window.findChild<QAction*>(QStringLiteral("Mesh1"))->trigger();
  ASSERT_EQ(m.NUMEL, 140);
  QAction* item = window.findChild<QAction*>(QStringLiteral("Figure1"));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text().toStdString(), kMenuCaption);

  auto figure = [&](const std::string& name) {
    const fs::path path = scratch.dir() / name;
    answerDialog(path.string(), [](FigureDialog& d) { setPixels(d, 1200, 800); });
    item->trigger();
    EXPECT_TRUE(dialogs.messages.empty());
    return svgTexts(path);
  };
  auto blue = [](const std::vector<SvgText>& texts) {
    return std::count_if(texts.begin(), texts.end(), isElementNumber);
  };
  const std::vector<SvgText> whole = figure("whole.svg");
  EXPECT_EQ(blue(whole), 140);
  for (int i = 0; i < 4; ++i) window.findChild<QAbstractButton*>(QStringLiteral("spdExp"))->click();
  const std::vector<SvgText> zoomed = figure("zoomed.svg");
  // The closer view is drawn at a larger scale: a shorter scale bar.
  EXPECT_EQ(scaleLabel(whole), "20 m");
  EXPECT_EQ(scaleLabel(zoomed), "5 m");
  window.findChild<QAbstractButton*>(QStringLiteral("chkElem"))->click();
  EXPECT_EQ(blue(figure("plain.svg")), 0);
  // A refused file name leaves the dialog open; a folder that is not there is reported.
  answerDialog((scratch.dir() / "none" / "f.png").string());
  item->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].find("none/f.png"), std::string::npos);
}

/// The mesh maker's dialogs: every question cancelled, messages kept.
class QuietDialogs : public linemesh::ui::Dialogs {
 public:
  explicit QuietDialogs(std::vector<std::string>& messages) : messages_(messages) {}
  std::optional<std::string> openFile(const linemesh::ui::FileDialogSettings&) override {
    return {};
  }
  std::optional<std::string> saveFile(const linemesh::ui::FileDialogSettings&) override {
    return {};
  }
  void message(const std::string& text) override { messages_.push_back(text); }
  linemesh::ui::UnsavedAnswer askUnsaved(const std::string&) override {
    return linemesh::ui::UnsavedAnswer::Cancel;
  }
  std::optional<linemesh::ui::AutoMeshChoice> askAutoMesh(
      const linemesh::ui::AutoMeshChoice&) override {
    return {};
  }

 private:
  std::vector<std::string>& messages_;
};

TEST(MeshMakerWindow, TheFigureShowsWhatTheViewShows) {
  common::testing::TestScratchFolder scratch("figure");
  std::vector<std::string> messages;
  linemesh::ui::MainWindow window(std::make_unique<QuietDialogs>(messages));
  window.show();
  window.openFile(SEEP_FIXTURE_DIR "/linemesh/grid2x1.M3W");
  QAction* item = window.findChild<QAction*>(QStringLiteral("Figure1"));
  ASSERT_NE(item, nullptr);
  const fs::path lines = scratch.dir() / "lines.svg", elements = scratch.dir() / "elements.pdf";
  answerDialog(lines.string());
  item->trigger();
  EXPECT_EQ(joined(svgTexts(lines)).rfind("grid2x1.M3W", 0), 0u);
  window.findChild<QAction*>(QStringLiteral("Yoso1"))->trigger();
  answerDialog(elements.string(), [](FigureDialog& d) {
    d.findChild<QRadioButton*>(QStringLiteral("paperA3"))->setChecked(true);
  });
  item->trigger();
  const QImage page = pdfPage(elements, 20);
  EXPECT_EQ(page.size(), QSize(331, 234));
  EXPECT_TRUE(messages.empty());
}

// ---- the batch tool ------------------------------------------------------

struct Outcome {
  int code;
  std::string out, err;
};

/// Runs seepbatch in dir with neither a display nor a platform named.
Outcome seepbatch(const fs::path& dir, const std::string& args) {
  const int code = run("cd '" + dir.string() + "' && env -u DISPLAY -u QT_QPA_PLATFORM '" +
                       SEEPBATCH + "' " + args + " > out.txt 2> err.txt");
  return {code, common::readFileBytes((dir / "out.txt").string()),
          common::readFileBytes((dir / "err.txt").string())};
}

TEST(Batch, BothSubcommandsWriteFiguresWithoutADisplay) {
  common::testing::TestScratchFolder scratch("figure");
  const fs::path& dir = scratch.dir();
  fs::copy_file(SEEP_FIXTURE_DIR "/linemesh/grid2x1.M3W", dir / "grid.M3W");
  Outcome r = seepbatch(dir, "meshcond --import-legacy " SEEP_FIXTURE_DIR
                             "/meshcond/OLDZEP.DAT --figure m.pdf --figure-size 640x480 --figure "
                             "m.png --figure m.svg --figure-numbers off --figure n.svg");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_NE(r.out.find("m.pdf: 図を書き出しました（節点 5、要素 2）\n図の大きさ 640x480\n"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(pdfPage(dir / "m.pdf", 20).size(), QSize(234, 166));  // A4 unless asked otherwise
  EXPECT_EQ(QImage(QString::fromStdString((dir / "m.png").string())).size(), QSize(640, 480));
  std::string viewBox;
  const std::string texts = joined(svgTexts(dir / "m.svg", &viewBox));
  EXPECT_EQ(viewBox, "0 0 640 480");
  auto numbers = [](const std::vector<SvgText>& texts) {
    return std::count_if(texts.begin(), texts.end(), isElementNumber);
  };
  EXPECT_EQ(numbers(svgTexts(dir / "m.svg")), 2);
  EXPECT_EQ(numbers(svgTexts(dir / "n.svg")), 0);
  for (const char* expected :
       {"旧形式 サンプル", "材質 1", "水位固定 H = 5.000 m", "浸出面", "降雨浸透"})
    EXPECT_NE(texts.find(expected), std::string::npos) << expected << " in " << texts;

  r = seepbatch(dir,
                "linemesh --load grid.M3W --figure l.svg --form --figure-size A3 --figure e.pdf "
                "--figure e.svg");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_NE(r.out.find("図 l.svg: 節点 6、線 7\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("図 e.svg: 節点 6、要素 2\n"), std::string::npos) << r.out;
  EXPECT_EQ(joined(svgTexts(dir / "l.svg")), "grid.M3W00.5 m");
  EXPECT_EQ(joined(svgTexts(dir / "e.svg")), "12grid.M3W00.5 m");
  EXPECT_EQ(pdfPage(dir / "e.pdf", 20).size(), QSize(331, 234));
}

TEST(Batch, RefusedSizesAndNamesEndTheRun) {
  common::testing::TestScratchFolder scratch("figure");
  struct Case {
    const char* args;
    const char* message;
  } cases[] = {
      {"meshcond --figure-size 100x100 --figure f.png", "--figure-size: \"100x100\""},
      {"linemesh --figure-size B5 --figure f.png", "--figure-size: \"B5\""},
      {"meshcond --figure f.jpg", kFormatProblem},
      {"linemesh --figure f.gif", kFormatProblem},
      {"linemesh --figure", "--figure には引数が 1 個必要です"},
      {"meshcond --figure-numbers no --figure f.png", "--figure-numbers: \"no\""},
  };
  for (const Case& c : cases) {
    const Outcome r = seepbatch(scratch.dir(), c.args);
    EXPECT_EQ(r.code, 1) << c.args;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << ": " << r.err;
  }
  EXPECT_FALSE(fs::exists(scratch.dir() / "f.png"));
}

}  // namespace
}  // namespace figure
