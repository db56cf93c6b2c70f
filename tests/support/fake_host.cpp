#include "support/fake_host.h"

#include <algorithm>

#include "platform/encoding.h"

namespace zor::test {
namespace {

class FakeProgress : public ProgressWindow {
 public:
  explicit FakeProgress(FakeHost& host) : host_(host) {}

  bool BeginModal(const std::string& title) override {
    record("BeginModal " + title);
    return true;
  }
  void SetRange(int lower, int upper, int step) override {
    record("SetRange " + std::to_string(lower) + " " + std::to_string(upper) + " " +
           std::to_string(step));
  }
  int StepIt() override {
    record("StepIt");
    return position_++;
  }
  void PumpMessages(bool cancel_on_escape) override {
    record(cancel_on_escape ? "PumpMessages 1" : "PumpMessages 0");
  }
  void SetText(const std::string& text) override { record("SetText " + text); }
  bool IsCancelled() const override {
    record("IsCancelled");
    return host_.cancel_after_steps >= 0 && host_.steps() >= host_.cancel_after_steps;
  }
  void Close() override { record("Close"); }

 private:
  void record(std::string call) const { host_.progress_calls.push_back(std::move(call)); }

  FakeHost& host_;
  int position_ = 0;
};

}  // namespace

bool FakeHost::ask_yes_no(const std::string& text, const std::string& caption) {
  questions.push_back({text, caption});
  if (answers.empty()) return default_answer;
  bool answer = answers.front();
  answers.pop_front();
  return answer;
}

void FakeHost::show_message(const std::string& text, const std::string& caption) {
  messages.push_back({text, caption});
}

std::unique_ptr<ProgressWindow> FakeHost::make_progress(const std::string& title) {
  progress_titles.push_back(title);
  return std::make_unique<FakeProgress>(*this);
}

void FakeHost::open_document(const std::string& path) { opened_documents.push_back(path); }

int FakeHost::steps() const {
  return static_cast<int>(std::count(progress_calls.begin(), progress_calls.end(), "StepIt"));
}

std::vector<std::string> FakeHost::message_texts() const {
  std::vector<std::string> texts;
  for (const ShownText& message : messages) texts.push_back(message.text);
  return texts;
}

void PrintTo(const ShownText& shown, std::ostream* out) {
  *out << "{\"" << from_cp1250(shown.text) << "\", \"" << from_cp1250(shown.caption) << "\"}";
}

}  // namespace zor::test
