#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include "controls/icon_paths.h"
#include "wizard/kor_property_sheet.h"
#include "wizard/screenshots.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The progress window keeps its place in the settings file named after
  // the program.
  QCoreApplication::setOrganizationName(QStringLiteral("ZOR"));
  QCoreApplication::setApplicationName(QStringLiteral("zor"));
  QGuiApplication::setApplicationDisplayName(QStringLiteral("ZOR"));
  zor::icons::ensure_loaded();
  QApplication::setWindowIcon(QIcon(zor::icons::kApplication));
  QTranslator qt_hungarian;
  if (qt_hungarian.load(QLocale(QLocale::Hungarian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&qt_hungarian);
  }

  // A developer's hook: pictures of every page and dialog, without a display;
  // a folder of recordings after the picture folder fills page 1.
  QStringList arguments = QCoreApplication::arguments();
  qsizetype hook = arguments.indexOf(QStringLiteral("--screenshot"));
  if (hook > 0 && hook + 1 < arguments.size())
    return zor::gui::save_screenshots(arguments[hook + 1], arguments.value(hook + 2));

  CKorPropertySheet sheet;
  sheet.show_page(CKorPropertySheet::kInputPage);
  sheet.exec();
  return 0;
}
