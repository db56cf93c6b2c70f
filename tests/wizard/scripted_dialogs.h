#pragma once
// Stands in for the wizard's message boxes and desktop hand-offs while a
// test runs: answers questions from a script and records what was shown.
#include <QString>
#include <deque>
#include <vector>

#include "wizard/message_boxes.h"

namespace zor::test {

class ScriptedDialogs : public gui::DialogHook {
 public:
  ScriptedDialogs() { gui::set_dialog_hook(this); }
  ~ScriptedDialogs() override { gui::set_dialog_hook(nullptr); }
  ScriptedDialogs(const ScriptedDialogs&) = delete;
  ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

  bool answer_yes_no(const QString& text, const QString& caption) override {
    questions.push_back(caption + QStringLiteral(": ") + text);
    if (answers.empty()) return default_answer;
    bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void acknowledge(const QString& text, const QString&) override { messages.push_back(text); }
  void open_document(const QString& native_path) override { opened.push_back(native_path); }

  std::deque<bool> answers;
  bool default_answer = true;
  std::vector<QString> questions;  // "caption: text"
  std::vector<QString> messages;
  std::vector<QString> opened;
};

}  // namespace zor::test
