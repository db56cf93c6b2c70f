// Widgets need one QApplication for the whole test run; the tests run
// headless on the offscreen platform unless the caller chose another. The
// settings go to a scratch file, away from the user's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir settings_dir;
  QSettings::setDefaultFormat(QSettings::IniFormat);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_dir.path());
  QCoreApplication::setOrganizationName(QStringLiteral("ZOR"));
  QCoreApplication::setApplicationName(QStringLiteral("zor_gui_tests"));
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
