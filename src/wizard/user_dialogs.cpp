#include "wizard/user_dialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

#include "controls/play_clip.h"
#include "controls/play_wav.h"
#include "platform/encoding.h"

namespace zor::gui {
namespace {

QMessageBox::Icon qt_icon(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::information: return QMessageBox::Information;
    case BoxIcon::question: return QMessageBox::Question;
    case BoxIcon::warning: break;
  }
  return QMessageBox::Warning;
}

// Qt's own translation may be missing; the buttons are Hungarian either way.
void name_buttons(QMessageBox& box) {
  if (QAbstractButton* yes = box.button(QMessageBox::Yes)) yes->setText(QStringLiteral("Igen"));
  if (QAbstractButton* no = box.button(QMessageBox::No)) no->setText(QStringLiteral("Nem"));
  if (QAbstractButton* ok = box.button(QMessageBox::Ok)) ok->setText(QStringLiteral("OK"));
}

std::optional<std::string> chosen_text_file(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return from_native_file_name(QFile::encodeName(path).toStdString());
}

QString text_file_start(const QString& default_name) {
  return QDir(QCoreApplication::applicationDirPath()).filePath(default_name);
}

QString text_file_filter() { return QString::fromUtf8("Txt Fájlok (*.txt)"); }

class QtUserDialogs final : public UserDialogs {
 public:
  bool ask_yes_no(QWidget* parent, const Box& question, YesNoButtons buttons) override {
    return make_question_box(parent, question, buttons)->exec() == QMessageBox::Yes;
  }
  void show_message(QWidget* parent, const Box& message) override {
    QMessageBox box(qt_icon(message.icon), message.caption, message.text, QMessageBox::Ok, parent);
    name_buttons(box);
    box.exec();
  }
  QString choose_directory(QWidget* parent, const QString& start) override {
    return QFileDialog::getExistingDirectory(parent, QStringLiteral("Choose a directory"), start);
  }
  QStringList choose_wav_files(QWidget* parent) override {
    return QFileDialog::getOpenFileNames(parent, QStringLiteral("Add Wav File(s)"), QString(),
                                         QStringLiteral("Wav Files (*.wav)"));
  }
  std::optional<std::string> choose_save_file(QWidget* parent, const QString& title,
                                              const QString& default_name) override {
    return chosen_text_file(QFileDialog::getSaveFileName(
        parent, title, text_file_start(default_name), text_file_filter()));
  }
  std::optional<std::string> choose_open_file(QWidget* parent, const QString& title,
                                              const QString& default_name) override {
    return chosen_text_file(QFileDialog::getOpenFileName(
        parent, title, text_file_start(default_name), text_file_filter()));
  }
  bool run_dialog(QDialog& dialog) override { return dialog.exec() == QDialog::Accepted; }
  void open_document(const QString& native_path) override {
    QDesktopServices::openUrl(QUrl::fromLocalFile(native_path));
  }
  int play_wav(const std::string& cp1250_path) override { return PlayWav(cp1250_path); }
  int play_clip(const PcmClip& clip) override { return PlayClip(clip); }
  std::optional<std::string> choose_image_file(QWidget* parent, const QString& default_name) override {
    QString chosen = QFileDialog::getSaveFileName(
        parent, QString::fromUtf8("Ábra mentése"), default_name,
        QString::fromUtf8("PNG kép (*.png);;SVG rajz (*.svg)"));
    if (chosen.isEmpty()) return std::nullopt;
    if (!chosen.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) &&
        !chosen.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
      chosen += QLatin1String(".png");
    return zor::from_native_file_name(QFile::encodeName(chosen).toStdString());
  }
  bool start_program(const QString& program, const QStringList& arguments) override {
    return QProcess::startDetached(program, arguments);
  }
};

UserDialogs*& installed_dialogs() {
  static UserDialogs* installed = nullptr;
  return installed;
}

}  // namespace

UserDialogs& user_dialogs() {
  static QtUserDialogs qt_dialogs;
  UserDialogs* installed = installed_dialogs();
  return installed ? *installed : qt_dialogs;
}

ScopedUserDialogs::ScopedUserDialogs(UserDialogs& dialogs) : previous_(installed_dialogs()) {
  installed_dialogs() = &dialogs;
}

ScopedUserDialogs::~ScopedUserDialogs() { installed_dialogs() = previous_; }

std::unique_ptr<QMessageBox> make_question_box(QWidget* parent, const Box& question,
                                               YesNoButtons buttons) {
  auto box = std::make_unique<QMessageBox>(qt_icon(question.icon), question.caption, question.text,
                                           QMessageBox::Yes | QMessageBox::No, parent);
  if (buttons == YesNoButtons::hungarian) {
    box->setDefaultButton(QMessageBox::Yes);
    name_buttons(*box);
  }
  return box;
}

}  // namespace zor::gui
