#pragma once
// The run host of the batch command line: no questions (batch mode answers
// Yes), messages on stderr in the terminal's encoding, a progress bar on
// stderr when it is a terminal, Ctrl-C as the Cancel button.
#include <string>
#include <vector>

#include "platform/run_host.h"

namespace zor {

class TerminalHost : public RunHost {
 public:
  explicit TerminalHost(bool quiet);
  ~TerminalHost() override;

  bool ask_yes_no(const std::string& text, const std::string& caption) override;
  void show_message(const std::string& text, const std::string& caption) override;
  std::unique_ptr<ProgressWindow> make_progress(const std::string& title) override;
  void open_document(const std::string& path) override;
  // Names the options instead of the wizard's pages and buttons.
  std::string remedy(Remedy what) const override;
  // Off: open_document leaves the file alone (the caller names it instead).
  void set_opens_documents(bool opens) { opens_documents_ = opens; }

  // Messages shown so far, in Windows-1250 (for callers that act on them).
  const std::vector<std::string>& messages() const { return messages_; }

 private:
  bool quiet_;
  bool opens_documents_ = true;
  std::vector<std::string> messages_;
};

}  // namespace zor
