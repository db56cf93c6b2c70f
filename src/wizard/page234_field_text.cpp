#include "wizard/page234_field_text.h"

#include <QLineEdit>

#include "platform/encoding.h"

namespace zor {

namespace {
bool breaks_line_format(char c) { return c == '\t' || c == '\r' || c == '\n'; }
bool breaks_line_format(QChar c) { return c == u'\t' || c == u'\r' || c == u'\n'; }
}  // namespace

std::string without_line_breaks(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    if (breaks_line_format(c)) c = ' ';
  return result;
}

QString without_line_breaks(const QString& text) {
  QString result = text;
  for (QChar& c : result)
    if (breaks_line_format(c)) c = u' ';
  return result;
}

std::string trimmed_blanks(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

void keep_line_breaks_out(QLineEdit& edit) {
  QObject::connect(&edit, &QLineEdit::textChanged, &edit, [&edit](const QString& text) {
    QString clean = without_line_breaks(text);
    if (clean == text) return;
    int cursor = edit.cursorPosition();
    edit.setText(clean);
    edit.setCursorPosition(cursor);
  });
}

std::string edit_text(const QLineEdit& edit) {
  return without_line_breaks(to_cp1250(edit.text().toStdString()));
}

}  // namespace zor
