#pragma once
// The wizard's message boxes and desktop hand-offs. Tests install a hook so
// that nothing waits for a click and nothing is opened.
#include <QString>

class QMessageBox;
class QWidget;

namespace zor::gui {

class DialogHook {
 public:
  virtual ~DialogHook() = default;
  virtual bool answer_yes_no(const QString& text, const QString& caption) = 0;
  virtual void acknowledge(const QString& text, const QString& caption) = 0;
  virtual void open_document(const QString& native_path) = 0;
};

// Null restores the real dialogs.
void set_dialog_hook(DialogHook* hook);

enum class QuestionIcon { question, exclamation };

// The Yes/No box ask_yes_no shows, not yet shown (the caller owns it).
QMessageBox* make_question_box(QWidget* parent, const QString& text, const QString& caption,
                               QuestionIcon icon);
// A Yes/No box with Hungarian buttons; true only for Yes.
bool ask_yes_no(QWidget* parent, const QString& text, const QString& caption, QuestionIcon icon);
// An OK box with an exclamation icon; an empty caption shows the
// application's name.
void show_message(QWidget* parent, const QString& text, const QString& caption = {});
// The desktop's default viewer for the file; nothing is reported.
void open_document(const QString& native_path);

}  // namespace zor::gui
