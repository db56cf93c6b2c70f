#pragma once
// The commands and the frame of the pages: command buttons with an object
// name by which a test or a script finds them, their framed groups, the row
// of page buttons, and the frame that holds a page's list with its commands.
#include <QPushButton>
#include <initializer_list>

class CKorPropertySheet;
class QBoxLayout;
class QGroupBox;
class QHBoxLayout;

template <class Page>
QPushButton* page_button(const char* object_name, const char* utf8_text, Page* page,
                         void (Page::*command)()) {
  auto* button = new QPushButton(QString::fromUtf8(utf8_text));
  button->setObjectName(object_name);
  QObject::connect(button, &QPushButton::clicked, page, command);
  return button;
}

// A framed group of buttons, side by side or one above the other (then
// pushed to the top).
QGroupBox* button_group(const QString& title, Qt::Orientation orientation,
                        std::initializer_list<QPushButton*> buttons);

// "Megnyitás fájlból" and "Mentés fájlba" of a page that keeps its list in a
// file.
template <class Page>
QGroupBox* file_button_group(const QString& title, Qt::Orientation orientation, Page* page) {
  return button_group(title, orientation,
                      {page_button("load", "Megnyitás fájlból", page, &Page::load_from_file),
                       page_button("save", "Mentés fájlba", page, &Page::save_to_file)});
}

// The element commands on the left, the file commands on the right.
QHBoxLayout* command_row(QGroupBox* element_commands, QGroupBox* file_commands);

// "Előző lap" on the left showing page `previous`, "Következő lap" on the
// right showing page `next` (sheet indexes).
QHBoxLayout* navigation_row(CKorPropertySheet* sheet, int previous, int next);

// Gives `page` its layout: a frame holding `list` and its `commands` (below
// the list when `commands_below`, beside it otherwise), and under the frame
// the page navigation.
void lay_out_list_page(QWidget* page, QWidget* list, QBoxLayout* commands, bool commands_below,
                       QHBoxLayout* navigation);
