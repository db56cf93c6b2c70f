#pragma once
// The dialogs of pages 2 to 4 keep TAB, CR and LF out of the texts the user
// types or pastes: each would break a line of the label-tree, connection or
// specification file.
#include <QString>
#include <string>
#include <string_view>

class QLineEdit;

namespace zor {

// The text with every TAB, CR and LF replaced by a blank.
std::string without_line_breaks(std::string_view text);
QString without_line_breaks(const QString& text);

// The text without blanks at either end (only blanks, as the dialogs trim).
std::string trimmed_blanks(std::string_view text);

// Replaces TAB, CR and LF by blanks in the edit as the user types or pastes.
void keep_line_breaks_out(QLineEdit& edit);

// The edit's text in Windows-1250, TAB, CR and LF replaced by blanks.
std::string edit_text(const QLineEdit& edit);

}  // namespace zor
