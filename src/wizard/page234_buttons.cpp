#include "wizard/page234_buttons.h"

#include <QHBoxLayout>

#include "wizard/kor_property_sheet.h"

namespace {

QPushButton* navigation_button(CKorPropertySheet* sheet, int target, const char* object_name,
                               const char* arrow, const char* hint) {
  auto* button = new QPushButton(QString::fromUtf8(arrow));
  button->setObjectName(object_name);
  button->setToolTip(QString::fromUtf8(hint));
  button->setFixedSize(32, 28);
  QObject::connect(button, &QPushButton::clicked, button, [sheet, target] {
    if (sheet) sheet->show_page(target);
  });
  return button;
}

}  // namespace

QHBoxLayout* navigation_row(CKorPropertySheet* sheet, int previous, int next) {
  auto* row = new QHBoxLayout;
  row->addWidget(navigation_button(sheet, previous, "previous_page", "◀", "Előző lap"));
  row->addStretch();
  row->addWidget(navigation_button(sheet, next, "next_page", "▶", "Következő lap"));
  return row;
}
