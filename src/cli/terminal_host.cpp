#include "cli/terminal_host.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <iostream>

#include "platform/desktop.h"
#include "platform/encoding.h"

namespace zor {
namespace {

std::atomic<bool> g_interrupted{false};
// Whether the cursor stands at the end of a drawn progress bar, so that a
// message first needs a line of its own.
bool g_bar_on_line = false;

void end_bar_line() {
  if (g_bar_on_line) std::fputs("\n", stderr);
  g_bar_on_line = false;
}

// The first Ctrl-C cancels like the Cancel button; a second one ends the
// program at once.
extern "C" void on_interrupt(int) {
  g_interrupted = true;
  std::signal(SIGINT, SIG_DFL);
}

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
    position_ = lower;
  }
  int StepIt() override {
    int previous = position_;
    position_ += step_;
    // Thousands of recordings a second: redraw a few times a second only.
    auto now = std::chrono::steady_clock::now();
    if (position_ - lower_ >= upper_ - lower_ + 1 || now - last_draw_ >= kRedrawInterval) {
      last_draw_ = now;
      draw();
    }
    return previous;
  }
  void PumpMessages(bool) override {}
  void SetText(const std::string&) override {}
  bool IsCancelled() const override { return g_interrupted; }
  void Close() override {
    if (closed_) return;
    closed_ = true;
    // The last steps may have come between two redraws.
    if (position_ != lower_) draw();
    end_bar_line();
  }

 private:
  void draw() {
    if (!show_bar_) return;
    // The bar starts at the lower end and moves a step per finished item.
    int total = upper_ - lower_ + 1;
    int done = position_ - lower_;
    if (total <= 0) return;
    if (done > total) done = total;
    constexpr int kWidth = 40;
    int filled = static_cast<int>(static_cast<long long>(done) * kWidth / total);
    std::fprintf(stderr, "\r%s [%.*s%*s] %d/%d", title_.c_str(), filled,
                 "########################################", kWidth - filled, "", done, total);
    std::fflush(stderr);
    g_bar_on_line = true;
  }

  static constexpr std::chrono::milliseconds kRedrawInterval{100};

  std::string title_;
  bool show_bar_;
  std::chrono::steady_clock::time_point last_draw_{};
  int lower_ = 0;
  int upper_ = 100;
  int step_ = 1;
  int position_ = 0;
  bool closed_ = false;
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
  end_bar_line();
  std::string shown = from_cp1250(text);
  if (shown.empty() || shown.back() != '\n') shown.push_back('\n');
  std::fputs(shown.c_str(), stderr);
}

std::unique_ptr<ProgressWindow> TerminalHost::make_progress(const std::string& title) {
  bool show_bar = !quiet_ && isatty(STDERR_FILENO);
  return std::make_unique<TerminalProgress>(title, show_bar);
}

std::string TerminalHost::remedy(Remedy what) const {
  switch (what) {
    case Remedy::list_recordings:
      return to_cp1250("Adja meg a hangfájlokat (WAV...) vagy a --list kapcsolót!");
    case Remedy::define_labels: return to_cp1250("Adjon meg címkefát a --labels kapcsolóval!");
    case Remedy::define_specifications:
      return to_cp1250("Adja meg a specifikációkat a --specs kapcsolóval!");
    case Remedy::convert_first: return to_cp1250("Kérem futtassa előbb a zor-cli convert parancsot.");
  }
  return RunHost::remedy(what);
}

void TerminalHost::open_document(const std::string& path) {
  if (!opens_documents_) return;
  if (!open_with_default_viewer(path)) {
    std::cerr << "Cannot open " << from_cp1250(path) << " with the default viewer\n";
  }
}

}  // namespace zor
