#pragma once
// Answers the questions of pages 2 to 4 in place of the user, and records
// them, so page tests never block on a dialog or a message box.
#include <QDialog>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "wizard/page234_prompter.h"

namespace zor::test {

class FakePrompter : public PagePrompter {
 public:
  struct FileQuestion {
    bool save;
    QString title;
    QString default_name;
  };

  // The answers of the next file dialogs; cancel when none is queued.
  std::deque<std::optional<std::string>> file_answers;
  bool answer_yes = true;
  // Plays the user's part in a modal dialog; cancels when unset.
  std::function<bool(QDialog&)> on_dialog;

  std::vector<FileQuestion> file_questions;
  std::vector<QString> questions;
  std::vector<QString> messages;
  std::vector<QString> warnings;
  int dialogs = 0;

  std::optional<std::string> choose_save_file(QWidget*, const QString& title,
                                              const QString& default_name) override {
    return answer({true, title, default_name});
  }
  std::optional<std::string> choose_open_file(QWidget*, const QString& title,
                                              const QString& default_name) override {
    return answer({false, title, default_name});
  }
  bool ask_yes_no(QWidget*, const QString& caption, const QString& text) override {
    questions.push_back(caption + "|" + text);
    return answer_yes;
  }
  void inform(QWidget*, const QString& text) override { messages.push_back(text); }
  void warn(QWidget*, const QString& text) override { warnings.push_back(text); }
  bool run_dialog(QDialog& dialog) override {
    ++dialogs;
    if (!on_dialog) return false;
    bool accepted = on_dialog(dialog);
    return accepted && dialog.result() == QDialog::Accepted;
  }

 private:
  std::optional<std::string> answer(FileQuestion question) {
    file_questions.push_back(std::move(question));
    if (file_answers.empty()) return std::nullopt;
    std::optional<std::string> next = file_answers.front();
    file_answers.pop_front();
    return next;
  }
};

// Presses the dialog's OK button; true when the dialog closed with it.
inline bool press_ok(QDialog& dialog) {
  dialog.accept();
  return dialog.result() == QDialog::Accepted;
}

}  // namespace zor::test
