#include "seepbatch/figures.h"

#include <QGuiApplication>
#include <cstdio>

#include "linemesh/ui/line_figure.h"
#include "meshcond/ui/condition_figure.h"

namespace seepbatch {

namespace {

/// Fonts and painting need an application object; no display is needed.
void startQt() {
  if (QGuiApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt's notes on the environment (no runtime folder and the like) are no
  // business of a batch run's error output; its errors still go there.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(text));
  });
  static int argc = 1;
  static char name[] = "seepbatch";
  static char* argv[] = {name, nullptr};
  // Lives until the process ends: Qt's own globals go down after it.
  new QGuiApplication(argc, argv);
}

}  // namespace

void writeLineFigure(linemesh::LineNetwork& net, const linemesh::FormationReport* formation,
                     const std::string& title, const std::string& path,
                     const figure::FigureSize& size) {
  startQt();
  using namespace linemesh::ui;
  const FigureWindow window = formation
                                  ? wholeNetwork(net, true, FormationMarks::of(net, *formation))
                                  : wholeNetwork(net, false);
  figure::writeFigure(path, size, lineFigure(net, window, title));
}

void writeConditionFigure(const meshcond::AnalysisModel& model, bool numbers,
                          const std::string& path, const figure::FigureSize& size) {
  startQt();
  meshcond::ui::FigureWindow whole;
  whole.elementNumbers = numbers;
  figure::writeFigure(path, size, meshcond::ui::conditionFigure(model, whole));
}

}  // namespace seepbatch
