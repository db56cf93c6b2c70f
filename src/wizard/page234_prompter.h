#pragma once
// The questions pages 2 to 4 put to the user: file dialogs, the delete
// question, messages and their modal dialogs. The pages ask through the
// current prompter, so a test can answer in place of the user and nothing
// ever blocks.
#include <QString>
#include <optional>
#include <string>

class QDialog;
class QWidget;

namespace zor {

class PagePrompter {
 public:
  virtual ~PagePrompter() = default;

  // The chosen path in Windows-1250, or nothing when the user cancels. The
  // dialogs start in the program's folder with `default_name` filled in and
  // offer "Txt Fájlok (*.txt)".
  virtual std::optional<std::string> choose_save_file(QWidget* parent, const QString& title,
                                                      const QString& default_name) = 0;
  virtual std::optional<std::string> choose_open_file(QWidget* parent, const QString& title,
                                                      const QString& default_name) = 0;
  // A Yes/No question with a warning icon; true for Yes.
  virtual bool ask_yes_no(QWidget* parent, const QString& caption, const QString& text) = 0;
  // A message in an OK box.
  virtual void inform(QWidget* parent, const QString& text) = 0;
  virtual void warn(QWidget* parent, const QString& text) = 0;
  // Runs a modal dialog; true when it was closed with OK.
  virtual bool run_dialog(QDialog& dialog) = 0;
};

// The prompter the pages use: the user's own dialogs unless a test has
// installed another one.
PagePrompter& page_prompter();

// Installs a prompter for its lifetime (tests).
class ScopedPagePrompter {
 public:
  explicit ScopedPagePrompter(PagePrompter& prompter);
  ~ScopedPagePrompter();
  ScopedPagePrompter(const ScopedPagePrompter&) = delete;
  ScopedPagePrompter& operator=(const ScopedPagePrompter&) = delete;

 private:
  PagePrompter* previous_;
};

// A save name ends in ".txt": appended when the path is shorter than five
// bytes or its last four bytes are not ".txt" in any letter case.
std::string with_txt_extension(std::string path);

// The messages of a file command whose file could not be written or read.
QString save_failed_message(const std::string& cp1250_path);
QString load_failed_message(const std::string& cp1250_path);

}  // namespace zor
