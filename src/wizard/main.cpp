#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <string_view>

#include "controls/icon_paths.h"
#include "wizard/kor_property_sheet.h"
#include "wizard/screenshots.h"

namespace {

// --help and --version answer on the terminal before any window, so they
// work without a display.
bool answered_on_terminal(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::string_view argument = argv[i];
    if (argument == "--version") {
      std::printf("zor %s\n", ZOR_VERSION);
      return true;
    }
    if (argument == "--help" || argument == "-h") {
      std::printf(
          "Usage: zor [--screenshot DIR [RECORDINGS_DIR [TABLES_DIR]]]\n"
          "The five-page wizard that measures the durations of speech sounds and words.\n"
          "  --screenshot DIR   save a picture of every page and dialog into DIR and exit;\n"
          "                     RECORDINGS_DIR lists its WAV files on page 1, TABLES_DIR\n"
          "                     (a queried corpus) fills the result browser\n"
          "  --version          print the version and exit\n"
          "  --help             print this help and exit\n"
          "zor-cli runs the same conversion, query and report without windows.\n");
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (answered_on_terminal(argc, argv)) return 0;
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
    return zor::gui::save_screenshots(arguments[hook + 1], arguments.value(hook + 2),
                                      arguments.value(hook + 3));

  CKorPropertySheet sheet;
  sheet.show_page(CKorPropertySheet::kInputPage);
  sheet.exec();
  return 0;
}
