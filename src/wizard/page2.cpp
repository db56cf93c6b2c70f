#include "wizard/page2.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <vector>

#include "controls/tree_list_ctrl.h"
#include "wizard/element_dialog.h"
#include "wizard/kor_property_sheet.h"
#include "wizard/page_buttons.h"
#include "wizard/page234_files.h"
#include "wizard/user_dialogs.h"

namespace {

constexpr int kNameColumn = 0;
constexpr int kContentColumn = 1;
const char* const kProtectedName = "Hang";
const QString kDefaultFile =
    QString::fromUtf8(zor::kDefaultLabelTreeFile.data(), zor::kDefaultLabelTreeFile.size());

}  // namespace

CPage2::CPage2(CKorPropertySheet* sheet, QWidget* parent)
    : QWidget(parent), sheet_(sheet), control_(new CTreeListCtrl) {
  control_->setObjectName("label_tree");
  control_->InsertColumn(kNameColumn, "Elemek", CTreeListCtrl::kAlignLeft, 150);
  control_->InsertColumn(kContentColumn, "Tartalom", CTreeListCtrl::kAlignLeft, 390);
  connect(control_, &CTreeListCtrl::itemsSorted, this, &CPage2::take_tree_from_control);

  QGroupBox* element_commands = button_group(
      QStringLiteral("Elem"), Qt::Horizontal,
      {page_button("add", "Hozzáad", this, &CPage2::add_element),
       page_button("modify", "Módosít", this, &CPage2::modify_element),
       page_button("delete", "Töröl", this, &CPage2::delete_element)});
  lay_out_list_page(this, control_,
                    command_row(element_commands,
                                file_button_group(QStringLiteral("Fa"), Qt::Horizontal, this)),
                    true,
                    navigation_row(sheet_, CKorPropertySheet::kInputPage,
                                   CKorPropertySheet::kConnectionPage));

  zor::LabelTree default_tree;
  default_tree.build_default_tree();
  show_tree(default_tree);
}

QTreeWidgetItem* CPage2::selected_item() const {
  QList<QTreeWidgetItem*> selected = control_->selectedItems();
  return selected.isEmpty() ? nullptr : selected.first();
}

void CPage2::add_element() {
  QTreeWidgetItem* item = selected_item();
  if (!item) return;
  ElementDialog dialog(ElementDialog::Mode::kNew, std::string(), std::string(),
                       control_->GetItemText(item, kContentColumn), this);
  if (!zor::gui::user_dialogs().run_dialog(dialog)) return;
  QTreeWidgetItem* child = control_->InsertItem(dialog.name(), item);
  control_->SetItemText(child, kContentColumn, dialog.content());
  item->setExpanded(true);
  take_tree_from_control();
}

void CPage2::modify_element() {
  QTreeWidgetItem* item = selected_item();
  if (!item || control_->GetItemText(item, kNameColumn) == kProtectedName) return;
  std::string parent_content =
      item->parent() ? control_->GetItemText(item->parent(), kContentColumn) : std::string();
  ElementDialog dialog(ElementDialog::Mode::kModify, control_->GetItemText(item, kNameColumn),
                       control_->GetItemText(item, kContentColumn), parent_content, this);
  if (!zor::gui::user_dialogs().run_dialog(dialog)) return;
  control_->SetItemText(item, kNameColumn, dialog.name());
  control_->SetItemText(item, kContentColumn, dialog.content());
  take_tree_from_control();
}

void CPage2::delete_element() {
  QTreeWidgetItem* item = selected_item();
  if (!item || control_->GetItemText(item, kNameColumn) == kProtectedName) return;
  if (!zor::gui::user_dialogs().ask_yes_no(
          this,
          {zor::gui::BoxIcon::warning, QString::fromUtf8("Törlés"),
           QString::fromUtf8("Valóban törölni akarja a kiválasztott elemet?")},
          zor::gui::YesNoButtons::standard))
    return;
  control_->DeleteItem(item);
  take_tree_from_control();
}

void CPage2::save_to_file() {
  zor::save_to_chosen_file(
      this, QString::fromUtf8("Fát tartalmazó állomány mentése"), kDefaultFile,
      [this](const std::string& path) { return zor::save_label_tree(tree_, path); });
}

void CPage2::load_from_file() {
  zor::LabelTree loaded;
  if (zor::load_from_chosen_file(
          this, QString::fromUtf8("Fát tartalmazó állomány választása"), kDefaultFile,
          [&loaded](const std::string& path) { return zor::load_label_tree(loaded, path); }))
    show_tree(loaded);
}

void CPage2::show_tree(const zor::LabelTree& tree) {
  control_->DeleteAllItems();
  // Parents come before their children in pre-order, so each node finds its
  // parent's item already made; no recursion, whatever the depth.
  std::vector<std::pair<const zor::LabelNode*, QTreeWidgetItem*>> made;
  tree.visit_preorder([&](const zor::LabelNode& node, int depth) {
    made.resize(static_cast<size_t>(depth));
    QTreeWidgetItem* parent = depth > 0 ? made.back().second : nullptr;
    QTreeWidgetItem* item = control_->InsertItem(node.name, parent);
    control_->SetItemText(item, kContentColumn, node.content);
    control_->SetItemBold(item, node.emphasised);
    made.emplace_back(&node, item);
  });
  if (control_->topLevelItemCount() > 0) control_->topLevelItem(0)->setExpanded(true);
  take_tree_from_control();
}

void CPage2::take_tree_from_control() {
  zor::LabelTree tree;
  std::vector<std::pair<QTreeWidgetItem*, zor::LabelNode*>> pending;
  for (int index = control_->topLevelItemCount() - 1; index >= 0; --index)
    pending.emplace_back(control_->topLevelItem(index), nullptr);
  while (!pending.empty()) {
    auto [item, parent] = pending.back();
    pending.pop_back();
    zor::LabelNode* node = tree.add_node(parent, control_->GetItemText(item, kNameColumn),
                                         control_->GetItemText(item, kContentColumn));
    node->emphasised = control_->IsItemBold(item);
    for (int child = item->childCount() - 1; child >= 0; --child)
      pending.emplace_back(item->child(child), node);
  }
  tree_ = std::move(tree);
}

const zor::LabelTree* label_tree_of(const CKorPropertySheet* sheet) {
  auto* page = sheet ? sheet->created<CPage2>(CKorPropertySheet::kLabelPage) : nullptr;
  return page ? &page->label_tree() : nullptr;
}
