#include "wizard/page234_files.h"

#include <QCoreApplication>
#include <optional>
#include <string_view>

#include "platform/encoding.h"
#include "wizard/user_dialogs.h"

namespace zor {
namespace {

void show_page_message(QWidget* parent, gui::BoxIcon icon, const QString& text) {
  gui::user_dialogs().show_message(parent, {icon, QCoreApplication::applicationName(), text});
}

// `utf8_format` holds "%1" where the path goes.
void report_failed_file(QWidget* page, const char* utf8_format, const std::string& cp1250_path) {
  show_page_message(page, gui::BoxIcon::warning,
                    QString::fromUtf8(utf8_format)
                        .arg(QString::fromStdString(from_cp1250(cp1250_path))));
}

}  // namespace

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

void save_to_chosen_file(QWidget* page, const QString& title, const QString& default_name,
                         const FileCommand& save) {
  std::optional<std::string> chosen =
      gui::user_dialogs().choose_save_file(page, title, default_name);
  if (!chosen) return;
  std::string path = with_txt_extension(*chosen);
  if (!save(path)) report_failed_file(page, "A fájlt nem sikerült menteni:\n%1", path);
}

bool load_from_chosen_file(QWidget* page, const QString& title, const QString& default_name,
                           const FileCommand& load) {
  std::optional<std::string> chosen =
      gui::user_dialogs().choose_open_file(page, title, default_name);
  if (!chosen) return false;
  if (load(*chosen)) return true;
  report_failed_file(page, "A fájlt nem sikerült megnyitni:\n%1", *chosen);
  return false;
}

void inform(QWidget* parent, const QString& text) {
  show_page_message(parent, gui::BoxIcon::information, text);
}

}  // namespace zor
