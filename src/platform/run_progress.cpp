#include "platform/run_progress.h"

namespace zor {

RunProgress::RunProgress(RunHost& host, const std::string& title, size_t item_count,
                         std::string cancel_message)
    : host_(host), window_(host.make_progress(title)), cancel_message_(std::move(cancel_message)) {
  window_->BeginModal("Progress");
  window_->SetRange(1, static_cast<int>(item_count), 1);
}

RunProgress::~RunProgress() { close(); }

void RunProgress::show_text(const std::string& text) { window_->SetText(text); }

bool RunProgress::item_done(const std::string& text) {
  window_->StepIt();
  window_->PumpMessages(true);
  window_->SetText(text);
  if (!window_->IsCancelled()) return false;
  host_.show_message(cancel_message_);
  return true;
}

void RunProgress::close() {
  if (closed_) return;
  window_->Close();
  closed_ = true;
}

}  // namespace zor
