#include "wizard/page234_buttons.h"

#include <QHBoxLayout>

#include "controls/icon_button.h"
#include "controls/icon_paths.h"
#include "wizard/kor_property_sheet.h"

namespace {

QPushButton* navigation_button(CKorPropertySheet* sheet, int target, const char* object_name,
                               const char* hot_icon, const char* icon, const char* hint) {
  zor::icons::ensure_loaded();
  auto* button = new CIconButton;
  button->setObjectName(object_name);
  button->SetIcons(QString::fromUtf8(hot_icon), QString::fromUtf8(icon));
  button->SetBorderShown(false);
  button->SetHintText(QString::fromUtf8(hint));
  QObject::connect(button, &QPushButton::clicked, button, [sheet, target] {
    if (sheet) sheet->show_page(target);
  });
  return button;
}

}  // namespace

QHBoxLayout* navigation_row(CKorPropertySheet* sheet, int previous, int next) {
  auto* row = new QHBoxLayout;
  row->addWidget(navigation_button(sheet, previous, "previous_page", zor::icons::kPreviousPageHot,
                                   zor::icons::kPreviousPage, "Előző lap"));
  row->addStretch();
  row->addWidget(navigation_button(sheet, next, "next_page", zor::icons::kNextPageHot,
                                   zor::icons::kNextPage, "Következő lap"));
  return row;
}
