#include "wizard/result_view_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/encoding.h"
#include "wizard/gui_host.h"

namespace {

// The entry keeps the table's bytes: the report looks the name up as written.
constexpr int kNameRole = Qt::UserRole;

}  // namespace

CResultViewDialog::CResultViewDialog(const QString& directory, const QString& base_name,
                                     QWidget* parent)
    : QDialog(parent),
      names_(zor::build_output_names(zor::gui::from_qstring(directory),
                                     zor::gui::from_qstring(base_name))),
      list_(new QListWidget),
      show_(new QPushButton(QString::fromUtf8("Megmutat"))),
      close_(new QPushButton(QString::fromUtf8("Bezár"))),
      tick_all_(new QPushButton(QString::fromUtf8("Mindet kijelöl"))),
      untick_all_(new QPushButton(QString::fromUtf8("Mindet töröl"))),
      details_(new QCheckBox(QString::fromUtf8("Részletek megjelenítése"))),
      distribution_(new QCheckBox(QString::fromUtf8("Eloszlás megjelenítése"))) {
  setWindowTitle(QString::fromUtf8("Az eredmény megtekintése"));
  setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setMinimumSize(212, 195);
  show_->setDefault(true);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(show_);
  buttons->addWidget(close_);
  buttons->addSpacing(24);
  buttons->addWidget(tick_all_);
  buttons->addWidget(untick_all_);
  buttons->addStretch();

  auto* layout = new QGridLayout(this);
  layout->addWidget(list_, 0, 0, 1, 2);
  layout->addLayout(buttons, 0, 2);
  layout->addWidget(details_, 1, 0);
  layout->addWidget(distribution_, 1, 1);
  layout->setColumnStretch(0, 1);
  layout->setColumnStretch(1, 1);

  connect(show_, &QPushButton::clicked, this, &CResultViewDialog::show_report);
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);
  connect(tick_all_, &QPushButton::clicked, this, [this] { set_all_ticks(true); });
  connect(untick_all_, &QPushButton::clicked, this, [this] { set_all_ticks(false); });
  fill_list();
  set_all_ticks(true);
}

void CResultViewDialog::fill_list() {
  // Every row gives an entry, duplicates included, in file order.
  for (const zor::ReportEntry& entry : zor::report_entries(names_.result)) {
    auto* item = new QListWidgetItem(zor::gui::to_qstring(entry.name), list_);
    item->setData(kNameRole, QByteArray::fromStdString(entry.name));
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  }
}

void CResultViewDialog::set_all_ticks(bool ticked) {
  for (int row = 0; row < list_->count(); ++row)
    list_->item(row)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

std::vector<zor::ReportEntry> CResultViewDialog::entries() const {
  std::vector<zor::ReportEntry> entries;
  for (int row = 0; row < list_->count(); ++row) {
    const QListWidgetItem* item = list_->item(row);
    entries.push_back({item->data(kNameRole).toByteArray().toStdString(),
                       item->checkState() == Qt::Checked});
  }
  return entries;
}

zor::ReportOptions CResultViewDialog::options() const {
  return {details_->isChecked(), distribution_->isChecked()};
}

void CResultViewDialog::show_report() {
  zor::gui::GuiHost host(this);
  zor::write_report(entries(), options(), names_, host);
}
