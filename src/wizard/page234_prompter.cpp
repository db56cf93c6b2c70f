#include "wizard/page234_prompter.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

#include "platform/encoding.h"

namespace zor {

namespace {

const QString kTextFilter = QString::fromUtf8("Txt Fájlok (*.txt)");

std::optional<std::string> chosen_path(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return from_native_file_name(QFile::encodeName(path).toStdString());
}

QString start_path(const QString& default_name) {
  return QDir(QCoreApplication::applicationDirPath()).filePath(default_name);
}

QString caption() { return QCoreApplication::applicationName(); }

class UserPrompter : public PagePrompter {
 public:
  std::optional<std::string> choose_save_file(QWidget* parent, const QString& title,
                                              const QString& default_name) override {
    return chosen_path(
        QFileDialog::getSaveFileName(parent, title, start_path(default_name), kTextFilter));
  }
  std::optional<std::string> choose_open_file(QWidget* parent, const QString& title,
                                              const QString& default_name) override {
    return chosen_path(
        QFileDialog::getOpenFileName(parent, title, start_path(default_name), kTextFilter));
  }
  bool ask_yes_no(QWidget* parent, const QString& box_caption, const QString& text) override {
    QMessageBox box(QMessageBox::Warning, box_caption, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    return box.exec() == QMessageBox::Yes;
  }
  void inform(QWidget* parent, const QString& text) override {
    QMessageBox::information(parent, caption(), text);
  }
  void warn(QWidget* parent, const QString& text) override {
    QMessageBox::warning(parent, caption(), text);
  }
  bool run_dialog(QDialog& dialog) override { return dialog.exec() == QDialog::Accepted; }
};

PagePrompter*& installed_prompter() {
  static PagePrompter* prompter = nullptr;
  return prompter;
}

QString quoted_path(const std::string& cp1250_path) {
  return QString::fromStdString(from_cp1250(cp1250_path));
}

}  // namespace

PagePrompter& page_prompter() {
  static UserPrompter user;
  PagePrompter* installed = installed_prompter();
  return installed ? *installed : user;
}

ScopedPagePrompter::ScopedPagePrompter(PagePrompter& prompter) : previous_(installed_prompter()) {
  installed_prompter() = &prompter;
}

ScopedPagePrompter::~ScopedPagePrompter() { installed_prompter() = previous_; }

std::string with_txt_extension(std::string path) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  bool ends_in_txt = path.size() >= 5;
  if (ends_in_txt) {
    std::string_view ending = std::string_view(path).substr(path.size() - 4);
    const char* expected = ".txt";
    for (size_t i = 0; i < 4; ++i) ends_in_txt = ends_in_txt && lower(ending[i]) == expected[i];
  }
  if (!ends_in_txt) path += ".txt";
  return path;
}

QString save_failed_message(const std::string& cp1250_path) {
  return QString::fromUtf8("A fájlt nem sikerült menteni:\n%1").arg(quoted_path(cp1250_path));
}

QString load_failed_message(const std::string& cp1250_path) {
  return QString::fromUtf8("A fájlt nem sikerült megnyitni:\n%1").arg(quoted_path(cp1250_path));
}

}  // namespace zor
