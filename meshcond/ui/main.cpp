// meshcond: the analysis-condition editor.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "meshcond/model/analysis_model.h"
#include "meshcond/ui/main_window.h"
#include "meshcond/ui/qt_dialogs.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(meshcond::ui::kApplicationTitle));
  QTranslator translator;
  if (translator.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&translator);
  }

  auto model = std::make_unique<meshcond::AnalysisModel>();
  meshcond::ui::QtUserDialogs dialogs;
  meshcond::ui::MainWindow window(*model, dialogs);
  dialogs.setParent(&window);
  window.show();
  window.applyStartupSettings();
  // A file named on the command line (MESH.DAT or ZEP64.DAT), as a file
  // manager passes it; an error shows in a message box.
  if (QApplication::arguments().size() > 1)
    window.files().openPath(QApplication::arguments()[1].toStdString());
  return QApplication::exec();
}
