#include "wizard/page23.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/encoding.h"
#include "platform/run_host.h"
#include "wizard/kor_property_sheet.h"
#include "wizard/page2.h"
#include "wizard/page_buttons.h"
#include "wizard/page234_files.h"
#include "wizard/page234_row_view.h"

namespace {

const QString kDefaultFile =
    QString::fromUtf8(zor::kDefaultConnectionFile.data(), zor::kDefaultConnectionFile.size());

}  // namespace

CPage23::CPage23(CKorPropertySheet* sheet, QWidget* parent)
    : QWidget(parent),
      sheet_(sheet),
      view_(new CRowListView({{"Hang 1", 75}, {"Hang 2", 75}, {"Hang 3", 75}}, true)) {
  view_->setObjectName("connections");
  connect(view_, &CRowListView::sortRequested, this, &CPage23::sort_rows);

  auto* element_box = new QGroupBox(QStringLiteral("Elem"));
  auto* element_grid = new QGridLayout(element_box);
  for (size_t position = 0; position < choices_.size(); ++position) {
    auto* combo = new QComboBox;
    combo->setObjectName(QStringLiteral("hang%1").arg(position + 1));
    combo->setEditable(false);
    combo->setMinimumContentsLength(8);
    choices_[position] = combo;
    int column = static_cast<int>(position);
    element_grid->addWidget(new QLabel(QString::fromStdString(std::string(
                                zor::kConnectionColumns[position]))),
                            0, column);
    element_grid->addWidget(combo, 1, column);
  }
  auto* element_buttons = new QHBoxLayout;
  element_buttons->addWidget(page_button("add", "Hozzáad", this, &CPage23::add_connection));
  element_buttons->addWidget(page_button("delete", "Töröl", this, &CPage23::delete_connections));
  element_buttons->addWidget(page_button("refresh", "Frissít", this, &CPage23::refresh_choices));
  element_grid->addLayout(element_buttons, 2, 0, 1, 3);
  element_grid->setRowStretch(3, 1);

  auto* side = new QVBoxLayout;
  side->addWidget(file_button_group(QStringLiteral("Hangkapcsolatok"), Qt::Vertical, this));
  side->addWidget(element_box);
  side->addStretch();
  lay_out_list_page(this, view_, side, false,
                    navigation_row(sheet_, CKorPropertySheet::kLabelPage,
                                   CKorPropertySheet::kSpecificationPage));

  refresh_choices();
  // The connections of the last session, if the user keeps them where the
  // program starts; a missing file leaves the list empty without a word.
  zor::load_connections(connections_, zor::kDefaultConnectionFile);
  show_rows({0});
}

void CPage23::add_connection() {
  zor::SoundConnection connection;
  for (size_t position = 0; position < choices_.size(); ++position)
    connection.values[position] = connections_.value_of_choice(choices_[position]->currentIndex());
  std::vector<size_t> selected = view_->selected_rows();
  if (connections_.append(std::move(connection))) selected = {0};
  show_rows(selected);
}

void CPage23::delete_connections() {
  if (remove_selected_rows(*view_, connections_)) show_rows({});
}

void CPage23::refresh_choices() {
  const zor::LabelTree* tree = label_tree_of(sheet_);
  if (!tree || !connections_.refresh_choices(*tree)) {
    zor::inform(sheet_ ? static_cast<QWidget*>(sheet_) : this,
                QString::fromStdString(zor::from_cp1250(zor::empty_label_tree_message(zor::wizard_remedy(zor::Remedy::define_labels)))));
    return;
  }
  std::vector<std::string> entries = connections_.choice_entries();
  for (QComboBox* combo : choices_) {
    combo->clear();
    for (const std::string& entry : entries)
      combo->addItem(QString::fromStdString(zor::from_cp1250(entry)));
    combo->setCurrentIndex(0);
  }
}

void CPage23::save_to_file() {
  zor::save_to_chosen_file(
      this, QString::fromUtf8("A hangkapcsolatokat tartalmazó állomány mentése"), kDefaultFile,
      [this](const std::string& path) { return zor::save_connections(connections_, path); });
}

void CPage23::load_from_file() {
  if (zor::load_from_chosen_file(
          this, QString::fromUtf8("Hangkapcsolatokat tartalmazó állomány választása"), kDefaultFile,
          [this](const std::string& path) { return zor::load_connections(connections_, path); }))
    show_rows({0});
}

void CPage23::show_rows(const std::vector<size_t>& selected) {
  show_list_rows(*view_, connections_, &zor::SoundConnection::values, selected);
}

void CPage23::sort_rows(int column, bool ascending) {
  show_rows(sort_list_rows(connections_, &zor::SoundConnection::values, column, ascending, view_->selected_rows()));
}

const zor::ConnectionList* connections_of(const CKorPropertySheet* sheet) {
  auto* page = sheet ? sheet->created<CPage23>(CKorPropertySheet::kConnectionPage) : nullptr;
  return page ? &page->connections() : nullptr;
}
