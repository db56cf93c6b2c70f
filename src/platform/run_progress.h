#pragma once
// The progress of a run over its work items, the same in every run: the
// host's window with the run's title, one step per finished item, then the
// host's input, the item's text and a check for the user's cancel.
#include <memory>
#include <string>

#include "platform/run_host.h"

namespace zor {

class RunProgress {
 public:
  // Opens the window for `item_count` items; `cancel_message` is shown when
  // the user cancels.
  RunProgress(RunHost& host, const std::string& title, size_t item_count, std::string cancel_message);
  ~RunProgress();
  RunProgress(const RunProgress&) = delete;
  RunProgress& operator=(const RunProgress&) = delete;

  void show_text(const std::string& text);
  // After a finished item; true when the user cancelled (the message has then
  // been shown and the run should stop).
  bool item_done(const std::string& text);
  // Closes the window; later calls do nothing.
  void close();

 private:
  RunHost& host_;
  std::unique_ptr<ProgressWindow> window_;
  std::string cancel_message_;
  bool closed_ = false;
};

}  // namespace zor
