#include "wizard/page3.h"

#include <QGroupBox>
#include <QHBoxLayout>

#include "platform/encoding.h"
#include "platform/run_host.h"
#include "wizard/kor_property_sheet.h"
#include "wizard/page2.h"
#include "wizard/page23.h"
#include "wizard/page_buttons.h"
#include "wizard/page234_files.h"
#include "wizard/page234_row_view.h"
#include "wizard/user_dialogs.h"

namespace {

const std::vector<CRowListView::Column> kColumns = {
    {"Azonosító", 60},      {"Tipus", 40},      {"Hang", 40},          {"Előtte", 45},
    {"Utána", 45},          {"Poz. szóban", 70}, {"Szó szótagszáma", 90}, {"Poz. mondatban", 80},
    {"Szövegszó", 70},      {"A:-k száma", 30}, {"E:-k száma", 30},    {"Más h,mgh-ok száma", 30}};

const QString kDefaultFile = QString::fromUtf8(zor::kDefaultSpecificationFile.data(),
                                               zor::kDefaultSpecificationFile.size());

}  // namespace

CPage3::CPage3(CKorPropertySheet* sheet, QWidget* parent)
    : QWidget(parent), sheet_(sheet), view_(new CRowListView(kColumns, false)) {
  view_->setObjectName("specifications");
  connect(view_, &CRowListView::sortRequested, this, &CPage3::sort_rows);

  QGroupBox* element_commands = button_group(
      QStringLiteral("Elem"), Qt::Horizontal,
      {page_button("new", "Új spec.", this, &CPage3::new_specification),
       page_button("copy", "Másol", this, &CPage3::copy_specification),
       page_button("modify", "Módosít", this, &CPage3::modify_specification),
       page_button("delete", "Töröl", this, &CPage3::delete_specification)});
  QGroupBox* file_commands =
      file_button_group(QString::fromUtf8("Specifikációk"), Qt::Horizontal, this);
  lay_out_list_page(this, view_, command_row(element_commands, file_commands), true,
                    navigation_row(sheet_, CKorPropertySheet::kConnectionPage,
                                   CKorPropertySheet::kOutputPage));
}

bool CPage3::load_specification_file(const std::string& cp1250_path) {
  if (!zor::load_specifications(specifications_, cp1250_path)) return false;
  show_rows({0});
  return true;
}

std::optional<zor::SpecificationChoices> CPage3::dialog_choices() {
  const zor::LabelTree* tree = label_tree_of(sheet_);
  if (!tree || tree->is_empty()) {
    zor::inform(this, QString::fromStdString(zor::from_cp1250(zor::empty_label_tree_message(zor::wizard_remedy(zor::Remedy::define_labels)))));
    return std::nullopt;
  }
  const zor::ConnectionList* connections = connections_of(sheet_);
  if (!connections || connections->count() == 0) {
    zor::inform(this, QString::fromUtf8("Nincs hangkapcsolat megadva! Lapozzon az 3. oldalra!"));
    return std::nullopt;
  }
  return zor::SpecificationChoices{tree->sound_inventory(), tree->label_names(),
                                   connections->connection_texts()};
}

void CPage3::new_specification() {
  std::optional<zor::SpecificationChoices> choices = dialog_choices();
  if (!choices) return;
  zor::SpecificationForm form = zor::default_specification_form(*choices);
  SpecificationDialog dialog(SpecificationDialog::Mode::kNew, std::move(*choices), form, this);
  if (!zor::gui::user_dialogs().run_dialog(dialog)) return;
  std::vector<size_t> selected = view_->selected_rows();
  if (specifications_.append(dialog.record())) selected = {0};
  show_rows(selected);
}

void CPage3::copy_specification() { edit_selected(SpecificationDialog::Mode::kCopy); }

void CPage3::modify_specification() { edit_selected(SpecificationDialog::Mode::kModify); }

void CPage3::edit_selected(SpecificationDialog::Mode mode) {
  std::optional<zor::SpecificationChoices> choices = dialog_choices();
  if (!choices) return;
  std::vector<size_t> selected = view_->selected_rows();
  if (selected.empty()) return;
  size_t row = selected.front();
  zor::SpecificationForm form =
      zor::decode_specification(specifications_.row(row), *choices);
  SpecificationDialog dialog(mode, std::move(*choices), form, this);
  if (!zor::gui::user_dialogs().run_dialog(dialog)) return;
  if (mode == SpecificationDialog::Mode::kModify)
    specifications_.replace(row, dialog.record());
  else
    specifications_.append(dialog.record());
  show_rows(selected);
}

void CPage3::delete_specification() {
  if (remove_selected_rows(*view_, specifications_)) show_rows({});
}

void CPage3::save_to_file() {
  zor::save_to_chosen_file(
      this, QString::fromUtf8("A specifikációkat tartalmazó állomány mentése"), kDefaultFile,
      [this](const std::string& path) { return zor::save_specifications(specifications_, path); });
}

void CPage3::load_from_file() {
  zor::load_from_chosen_file(
      this, QString::fromUtf8("Specifikációt tartalmazó állomány választása"), kDefaultFile,
      [this](const std::string& path) { return load_specification_file(path); });
}

void CPage3::show_rows(const std::vector<size_t>& selected) {
  show_list_rows(*view_, specifications_, &zor::Specification::fields, selected);
}

void CPage3::sort_rows(int column, bool ascending) {
  show_rows(sort_list_rows(specifications_, &zor::Specification::fields, column, ascending, view_->selected_rows()));
}
