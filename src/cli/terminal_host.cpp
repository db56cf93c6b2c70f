#include "terminal_host.h"

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <iostream>

#include "platform/desktop.h"
#include "platform/encoding.h"

namespace zor {
namespace {

std::atomic<bool> g_interrupted{false};

extern "C" void on_interrupt(int) { g_interrupted = true; }

class TerminalProgress : public ProgressWindow {
 public:
  TerminalProgress(std::string title, bool show_bar)
      : title_(from_cp1250(title)), show_bar_(show_bar) {}
  ~TerminalProgress() override { Close(); }

  bool BeginModal(const std::string&) override { return true; }
  void SetRange(int lower, int upper, int step) override {
    lower_ = lower;
    upper_ = upper;
    step_ = step;
  }
  int StepIt() override {
    int previous = position_;
    position_ += step_;
    draw();
    return previous;
  }
  void PumpMessages(bool) override {}
  void SetText(const std::string&) override {}
  bool IsCancelled() const override { return g_interrupted; }
  void Close() override {
    if (drawn_) std::fputs("\n", stderr);
    drawn_ = false;
  }

 private:
  void draw() {
    if (!show_bar_) return;
    // The bar counts finished work items: items done / items in the range.
    int total = upper_ - lower_ + 1;
    int done = position_ - lower_ + 1;
    if (total <= 0) return;
    if (done > total) done = total;
    constexpr int kWidth = 40;
    int filled = done * kWidth / total;
    std::fprintf(stderr, "\r%s [%.*s%*s] %d/%d", title_.c_str(), filled,
                 "########################################", kWidth - filled, "", done, total);
    std::fflush(stderr);
    drawn_ = true;
  }

  std::string title_;
  bool show_bar_;
  bool drawn_ = false;
  int lower_ = 0;
  int upper_ = 100;
  int step_ = 1;
  int position_ = 0;
};

}  // namespace

TerminalHost::TerminalHost(bool quiet) : quiet_(quiet) {
  g_interrupted = false;
  std::signal(SIGINT, on_interrupt);
}

TerminalHost::~TerminalHost() { std::signal(SIGINT, SIG_DFL); }

bool TerminalHost::ask_yes_no(const std::string&, const std::string&) { return true; }

void TerminalHost::show_message(const std::string& text, const std::string&) {
  messages_.push_back(text);
  std::string shown = from_cp1250(text);
  if (shown.empty() || shown.back() != '\n') shown.push_back('\n');
  std::fputs(shown.c_str(), stderr);
}

std::unique_ptr<ProgressWindow> TerminalHost::make_progress(const std::string& title) {
  bool show_bar = !quiet_ && isatty(STDERR_FILENO);
  return std::make_unique<TerminalProgress>(title, show_bar);
}

void TerminalHost::open_document(const std::string& path) {
  if (!opens_documents_) return;
  if (!open_with_default_viewer(path)) {
    std::cerr << "Cannot open " << from_cp1250(path) << " with the default viewer\n";
  }
}

}  // namespace zor
