#include "wizard/result_view_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "platform/encoding.h"
#include "wizard/annotation_settings.h"
#include "wizard/gui_host.h"
#include "wizard/report_viewer.h"
#include "wizard/result_browser.h"
#include "wizard/user_dialogs.h"

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
      browse_(new QPushButton(QString::fromUtf8("Böngészés"))),
      read_here_(new QPushButton(QString::fromUtf8("Olvasás itt"))),
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
  buttons->addWidget(browse_);
  buttons->addWidget(read_here_);
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
  connect(browse_, &QPushButton::clicked, this, &CResultViewDialog::browse_results);
  connect(read_here_, &QPushButton::clicked, this, &CResultViewDialog::read_report_here);
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

namespace {

// The host as it is, except that the finished report is not handed to the
// desktop: the program shows it itself.
class KeepingHost : public zor::gui::GuiHost {
 public:
  using GuiHost::GuiHost;
  void open_document(const std::string&) override {}
};

}  // namespace

void CResultViewDialog::read_report_here() {
  KeepingHost host(this);
  zor::RunOutcome outcome = zor::write_report(entries(), options(), names_, host);
  if (outcome != zor::RunOutcome::completed && outcome != zor::RunOutcome::cancelled) return;
  CReportViewer viewer(names_.report, this);
  zor::gui::user_dialogs().run_dialog(viewer);
}

void CResultViewDialog::browse_results() {
  zor::gui::ResultBrowserModel model;
  std::string reason;
  std::optional<zor::AnnotationOptions> annotation = zor::gui::AnnotationSettings::load(QSettings()).options(reason);
  std::string problem = annotation ? model.load(names_, entries(), std::move(*annotation)) : reason;
  if (!problem.empty()) {
    zor::gui::user_dialogs().show_message(
        this, {zor::gui::BoxIcon::warning, windowTitle(), QString::fromStdString(zor::from_cp1250(problem))});
    return;
  }
  CResultBrowser browser(model, this);
  zor::gui::user_dialogs().run_dialog(browser);
}
