// The converter's program: one window.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "cadtrace/ui/form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("cadtrace");

  // Qt's own dialogs (the file dialog, the message boxes) in Japanese.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::Japanese, QLocale::Japan), "qtbase", "_",
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);

  cadtrace::ui::Form1 form;
  form.show();
  // A drawing named on the command line, as a file manager passes it.
  if (QApplication::arguments().size() > 1) form.setDxfFile(QApplication::arguments()[1]);
  return QApplication::exec();
}
