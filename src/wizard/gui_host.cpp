#include "wizard/gui_host.h"

#include <QFile>
#include <QGuiApplication>

#include "platform/encoding.h"
#include "wizard/progress_window.h"
#include "wizard/user_dialogs.h"

namespace zor::gui {
namespace {

// An empty caption stands for the application's title.
QString shown_caption(const std::string& caption) {
  return caption.empty() ? QGuiApplication::applicationDisplayName() : to_qstring(caption);
}

}  // namespace

QString to_qstring(const std::string& cp1250) {
  return QString::fromStdString(from_cp1250(cp1250));
}

std::string from_qstring(const QString& text) { return to_cp1250(text.toStdString()); }

bool GuiHost::ask_yes_no(const std::string& text, const std::string& caption) {
  return user_dialogs().ask_yes_no(
      page_, {BoxIcon::warning, shown_caption(caption), to_qstring(text)}, YesNoButtons::hungarian);
}

void GuiHost::show_message(const std::string& text, const std::string& caption) {
  user_dialogs().show_message(page_, {BoxIcon::warning, shown_caption(caption), to_qstring(text)});
}

std::unique_ptr<ProgressWindow> GuiHost::make_progress(const std::string& title) {
  return std::make_unique<CProgressWindow>(page_, title);
}

void GuiHost::open_document(const std::string& path) {
  user_dialogs().open_document(
      QFile::decodeName(QByteArray::fromStdString(native_file_name(path))));
}

}  // namespace zor::gui
