// linemesh: the mesh maker's window.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "linemesh/model/messages.h"
#include "linemesh/ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The application's title; the window keeps its own caption "線を引く".
  QApplication::setApplicationName(QString::fromUtf8(linemesh::text::programName()));
  QTranslator qtText;
  if (qtText.load(QLocale(QLocale::Japanese, QLocale::Japan), "qtbase", "_",
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtText);
  }
  linemesh::ui::MainWindow window;
  window.show();
  // A file named on the command line (an M3W file or MESH.DAT), as a file
  // manager passes it.
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) window.openFile(arguments[1].toStdString());
  return QApplication::exec();
}
