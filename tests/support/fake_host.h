#pragma once
// A RunHost for tests: answers questions from a script, records every
// question, message and progress call, and can cancel after a number of steps.
#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "platform/run_host.h"

namespace zor::test {

struct ShownText {
  std::string text;
  std::string caption;
  bool operator==(const ShownText&) const = default;
};
// Readable in a failed expectation.
void PrintTo(const ShownText& shown, std::ostream* out);

class FakeHost : public RunHost {
 public:
  bool ask_yes_no(const std::string& text, const std::string& caption) override;
  void show_message(const std::string& text, const std::string& caption = {}) override;
  std::unique_ptr<ProgressWindow> make_progress(const std::string& title) override;
  void open_document(const std::string& path) override;

  // Answers to the coming questions, in order; once used up, default_answer.
  std::deque<bool> answers;
  bool default_answer = true;
  // IsCancelled reports true once this many StepIt calls were made; -1 never.
  int cancel_after_steps = -1;

  std::vector<ShownText> questions;
  std::vector<ShownText> messages;
  std::vector<std::string> progress_titles;  // one per make_progress
  // "BeginModal <title>", "SetRange <lower> <upper> <step>", "StepIt",
  // "PumpMessages <0|1>", "SetText <text>", "IsCancelled", "Close".
  std::vector<std::string> progress_calls;
  std::vector<std::string> opened_documents;

  int steps() const;
  // The texts of the messages, without captions.
  std::vector<std::string> message_texts() const;
};

}  // namespace zor::test
