#pragma once
// Stands in for the user and the desktop while a test runs: answers from a
// script, and a record of every question, message, chooser, dialog,
// document and recording. Installed for its lifetime.
#include <QDialog>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "controls/play_clip.h"
#include "controls/play_wav.h"
#include "wizard/user_dialogs.h"

namespace zor::gui {

// For gtest's messages: icon, caption and text readable.
void PrintTo(const Box& box, std::ostream* out);

}  // namespace zor::gui

namespace zor::test {

class FakeUserDialogs : public gui::UserDialogs {
 public:
  struct FileQuestion {
    bool save;
    QString title;
    QString default_name;
  };

  // The answers to the next Yes/No questions; `default_answer` when none is
  // queued.
  std::deque<bool> answers;
  bool default_answer = true;
  // The choosers' answers; empty cancels.
  QString directory;
  QStringList wav_files;
  // The answers of the next text-file dialogs; cancel when none is queued.
  std::deque<std::optional<std::string>> file_answers;
  // Plays the user's part in a modal dialog; cancels when unset.
  std::function<bool(QDialog&)> on_dialog;
  int play_result = kPlayWavOk;

  std::vector<gui::Box> questions;
  std::vector<gui::YesNoButtons> question_buttons;  // one per question
  std::vector<gui::Box> messages;
  std::vector<QString> directory_starts;
  std::vector<FileQuestion> file_questions;
  int dialogs_run = 0;
  std::vector<QString> opened;
  std::vector<std::string> played;
  std::vector<PcmClip> played_clips;
  // The answers of the next image-file dialogs; cancel when none is queued.
  std::deque<std::string> image_answers;
  std::vector<QStringList> started;  // program and its arguments
  bool start_result = true;

  // The texts of the messages shown, or of those shown with `icon`.
  std::vector<QString> message_texts() const;
  std::vector<QString> message_texts(gui::BoxIcon icon) const;

  bool ask_yes_no(QWidget* parent, const gui::Box& question, gui::YesNoButtons buttons) override;
  void show_message(QWidget* parent, const gui::Box& message) override;
  QString choose_directory(QWidget* parent, const QString& start) override;
  QStringList choose_wav_files(QWidget* parent) override;
  std::optional<std::string> choose_save_file(QWidget* parent, const QString& title,
                                              const QString& default_name) override;
  std::optional<std::string> choose_open_file(QWidget* parent, const QString& title,
                                              const QString& default_name) override;
  bool run_dialog(QDialog& dialog) override;
  void open_document(const QString& native_path) override;
  int play_wav(const std::string& cp1250_path) override;
  int play_clip(const PcmClip& clip) override;
  std::optional<std::string> choose_image_file(QWidget* parent, const QString& default_name) override;
  bool start_program(const QString& program, const QStringList& arguments) override;

 private:
  std::optional<std::string> answer(FileQuestion question);

  gui::ScopedUserDialogs installed_{*this};
};

// Presses the dialog's OK button; true when the dialog closed with it.
bool press_ok(QDialog& dialog);

}  // namespace zor::test
