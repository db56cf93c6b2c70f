#include "wizard/fake_user_dialogs.h"

#include <ostream>

namespace zor::gui {

void PrintTo(const Box& box, std::ostream* out) {
  const char* icons[] = {"information", "warning", "question"};
  *out << icons[static_cast<int>(box.icon)] << " \"" << box.caption.toStdString() << "\": \""
       << box.text.toStdString() << '"';
}

}  // namespace zor::gui

namespace zor::test {

std::vector<QString> FakeUserDialogs::message_texts() const {
  std::vector<QString> texts;
  for (const gui::Box& message : messages) texts.push_back(message.text);
  return texts;
}

std::vector<QString> FakeUserDialogs::message_texts(gui::BoxIcon icon) const {
  std::vector<QString> texts;
  for (const gui::Box& message : messages)
    if (message.icon == icon) texts.push_back(message.text);
  return texts;
}

bool FakeUserDialogs::ask_yes_no(QWidget*, const gui::Box& question,
                                 gui::YesNoButtons buttons) {
  questions.push_back(question);
  question_buttons.push_back(buttons);
  if (answers.empty()) return default_answer;
  bool next = answers.front();
  answers.pop_front();
  return next;
}

void FakeUserDialogs::show_message(QWidget*, const gui::Box& message) {
  messages.push_back(message);
}

QString FakeUserDialogs::choose_directory(QWidget*, const QString& start) {
  directory_starts.push_back(start);
  return directory;
}

QStringList FakeUserDialogs::choose_wav_files(QWidget*) { return wav_files; }

std::optional<std::string> FakeUserDialogs::choose_save_file(QWidget*, const QString& title,
                                                             const QString& default_name) {
  return answer({true, title, default_name});
}

std::optional<std::string> FakeUserDialogs::choose_open_file(QWidget*, const QString& title,
                                                             const QString& default_name) {
  return answer({false, title, default_name});
}

std::optional<std::string> FakeUserDialogs::answer(FileQuestion question) {
  file_questions.push_back(std::move(question));
  if (file_answers.empty()) return std::nullopt;
  std::optional<std::string> next = file_answers.front();
  file_answers.pop_front();
  return next;
}

bool FakeUserDialogs::run_dialog(QDialog& dialog) {
  ++dialogs_run;
  if (!on_dialog) return false;
  bool accepted = on_dialog(dialog);
  return accepted && dialog.result() == QDialog::Accepted;
}

void FakeUserDialogs::open_document(const QString& native_path) { opened.push_back(native_path); }

int FakeUserDialogs::play_clip(const PcmClip& clip) {
  played_clips.push_back(clip);
  return play_result;
}

std::optional<std::string> FakeUserDialogs::choose_image_file(QWidget*, const QString&) {
  if (image_answers.empty()) return std::nullopt;
  std::string answer = image_answers.front();
  image_answers.pop_front();
  return answer;
}

bool FakeUserDialogs::start_program(const QString& program, const QStringList& arguments) {
  started.push_back(QStringList{program} + arguments);
  return start_result;
}

int FakeUserDialogs::play_wav(const std::string& cp1250_path) {
  played.push_back(cp1250_path);
  return play_result;
}

bool press_ok(QDialog& dialog) {
  dialog.accept();
  return dialog.result() == QDialog::Accepted;
}

}  // namespace zor::test
