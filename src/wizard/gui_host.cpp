#include "wizard/gui_host.h"

#include <QFile>

#include "platform/encoding.h"
#include "wizard/message_boxes.h"
#include "wizard/progress_window.h"

namespace zor::gui {

QString to_qstring(const std::string& cp1250) {
  return QString::fromStdString(from_cp1250(cp1250));
}

std::string from_qstring(const QString& text) { return to_cp1250(text.toStdString()); }

bool GuiHost::ask_yes_no(const std::string& text, const std::string& caption) {
  return zor::gui::ask_yes_no(page_, to_qstring(text), to_qstring(caption),
                              QuestionIcon::exclamation);
}

void GuiHost::show_message(const std::string& text, const std::string& caption) {
  zor::gui::show_message(page_, to_qstring(text), to_qstring(caption));
}

std::unique_ptr<ProgressWindow> GuiHost::make_progress(const std::string& title) {
  return std::make_unique<CProgressWindow>(page_, title);
}

void GuiHost::open_document(const std::string& path) {
  zor::gui::open_document(QFile::decodeName(QByteArray::fromStdString(native_file_name(path))));
}

}  // namespace zor::gui
