#include "wizard/page1_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

#include "controls/play_wav.h"

QString SystemPage1Dialogs::choose_directory(QWidget* parent) {
  return QFileDialog::getExistingDirectory(parent, QStringLiteral("Choose a directory"));
}

QStringList SystemPage1Dialogs::choose_files(QWidget* parent) {
  return QFileDialog::getOpenFileNames(parent, QStringLiteral("Add Wav File(s)"), QString(),
                                       QStringLiteral("Wav Files (*.wav)"));
}

void SystemPage1Dialogs::show_message(QWidget* parent, const QString& text) {
  QMessageBox::warning(parent, parent ? parent->window()->windowTitle() : QString(), text);
}

int SystemPage1Dialogs::play(const std::string& path) { return PlayWav(path); }
