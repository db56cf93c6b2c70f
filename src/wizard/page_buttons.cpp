#include "wizard/page_buttons.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

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

QGroupBox* button_group(const QString& title, Qt::Orientation orientation,
                        std::initializer_list<QPushButton*> buttons) {
  auto* group = new QGroupBox(title);
  auto* layout = new QBoxLayout(
      orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, group);
  for (QPushButton* button : buttons) layout->addWidget(button);
  if (orientation == Qt::Vertical) layout->addStretch();
  return group;
}

QHBoxLayout* command_row(QGroupBox* element_commands, QGroupBox* file_commands) {
  auto* row = new QHBoxLayout;
  row->addWidget(element_commands);
  row->addStretch();
  row->addWidget(file_commands);
  return row;
}

QHBoxLayout* navigation_row(CKorPropertySheet* sheet, int previous, int next) {
  auto* row = new QHBoxLayout;
  row->addWidget(navigation_button(sheet, previous, "previous_page", zor::icons::kPreviousPageHot,
                                   zor::icons::kPreviousPage, "Előző lap"));
  row->addStretch();
  row->addWidget(navigation_button(sheet, next, "next_page", zor::icons::kNextPageHot,
                                   zor::icons::kNextPage, "Következő lap"));
  return row;
}

void lay_out_list_page(QWidget* page, QWidget* list, QBoxLayout* commands, bool commands_below,
                       QHBoxLayout* navigation) {
  auto* frame = new QGroupBox;
  auto* frame_layout = new QBoxLayout(
      commands_below ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, frame);
  frame_layout->addWidget(list, 1);
  frame_layout->addLayout(commands);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(frame, 1);
  layout->addLayout(navigation);
}
