#pragma once
// The push buttons of pages 2 to 4: command buttons with an object name by
// which a test or a script finds them, and the row of page buttons.
#include <QPushButton>

class CKorPropertySheet;
class QHBoxLayout;

template <class Page>
QPushButton* page_button(const char* object_name, const char* utf8_text, Page* page,
                         void (Page::*command)()) {
  auto* button = new QPushButton(QString::fromUtf8(utf8_text));
  button->setObjectName(object_name);
  QObject::connect(button, &QPushButton::clicked, page, command);
  return button;
}

// "Előző lap" on the left showing page `previous`, "Következő lap" on the
// right showing page `next` (sheet indexes).
QHBoxLayout* navigation_row(CKorPropertySheet* sheet, int previous, int next);
