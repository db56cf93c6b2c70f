#pragma once
// What a run (conversion, query, report) needs from the program that hosts
// it: a question, messages, a progress window and the desktop's viewer. The
// wizard implements it with dialogs and CProgressWindow, zor-cli on the
// terminal. All texts are Windows-1250.
#include <memory>
#include <string>

namespace zor {

// The progress pop-up of a run. Runs call it once per work item, in the order
// step, pump, text, cancel check.
class ProgressWindow {
 public:
  virtual ~ProgressWindow() = default;
  // Disables the host's main window while the run works.
  virtual bool BeginModal(const std::string& title) = 0;
  virtual void SetRange(int lower, int upper, int step) = 0;
  // Returns the bar position before the step.
  virtual int StepIt() = 0;
  // Lets the host handle pending input; Escape cancels when asked to.
  virtual void PumpMessages(bool cancel_on_escape) = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual bool IsCancelled() const = 0;
  virtual void Close() = 0;
};

// What the user does to give a run what it lacks. The wizard names its page
// or button; a command line names its options instead.
enum class Remedy {
  list_recordings,        // no recording was given
  define_labels,          // the label tree is empty
  define_specifications,  // no specification was given
  convert_first,          // a corpus table is missing
};

class RunHost {
 public:
  virtual ~RunHost() = default;
  // A Yes/No question with an exclamation icon; true only for Yes.
  virtual bool ask_yes_no(const std::string& text, const std::string& caption) = 0;
  // An OK message. An empty caption stands for the application's title.
  virtual void show_message(const std::string& text, const std::string& caption = {}) = 0;
  // A new progress window with the run's title, already shown.
  virtual std::unique_ptr<ProgressWindow> make_progress(const std::string& title) = 0;
  // Opens a finished file in the desktop's default viewer.
  virtual void open_document(const std::string& path) = 0;
  // The sentence that tells the user how to mend it; the wizard's words
  // unless the host has its own.
  virtual std::string remedy(Remedy what) const;
};

// The wizard's words for a remedy (Windows-1250).
std::string wizard_remedy(Remedy what);

// How a run ended, for hosts that report it (the CLI's exit status).
enum class RunOutcome {
  completed,  // the run went through all its work items
  partial,    // it went through them, but some inputs were skipped (and listed)
  cancelled,  // the user cancelled; what was written stays
  declined,   // the user answered No to the opening question
  refused,    // a precondition failed (nothing to do, nothing written)
  failed,     // a file could not be opened or written, or no input could be used
};

}  // namespace zor
