#pragma once
// The run host of the wizard: message boxes owned by the page that started
// the run and the desktop's viewer, both through user_dialogs(), and the
// progress window over the wizard.
#include <QString>

#include "platform/run_host.h"

class QWidget;

namespace zor::gui {

class GuiHost : public RunHost {
 public:
  explicit GuiHost(QWidget* page) : page_(page) {}

  bool ask_yes_no(const std::string& text, const std::string& caption) override;
  void show_message(const std::string& text, const std::string& caption = {}) override;
  std::unique_ptr<ProgressWindow> make_progress(const std::string& title) override;
  void open_document(const std::string& path) override;

 private:
  QWidget* page_;
};

// Windows-1250 bytes to a QString and back (what the widgets show).
QString to_qstring(const std::string& cp1250);
std::string from_qstring(const QString& text);

}  // namespace zor::gui
