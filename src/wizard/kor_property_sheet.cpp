#include "wizard/kor_property_sheet.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "controls/icon_paths.h"
#include "wizard/page1.h"
#include "wizard/page2.h"
#include "wizard/page23.h"
#include "wizard/page3.h"
#include "wizard/page5.h"

namespace {

const char* const kCaptions[CKorPropertySheet::kPageCount] = {
    "1. Bemeneti fájlok", "2. Hangok címkéi", "3. Hangkapcsolatok", "4. Specifikációk",
    "5. Kimeneti fájlok"};

}  // namespace

CKorPropertySheet::CKorPropertySheet(QWidget* parent)
    : QDialog(parent), tabs_(new QTabWidget), exit_button_(new QPushButton) {
  zor::icons::ensure_loaded();
  setWindowTitle(QString::fromUtf8("Z O R (Hang-idő konverzió)"));
  // No context help button: the close box is the only title-bar button.
  setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  tabs_->setIconSize(QSize(8, 8));
  // All five captions stay in sight: the sheet grows to hold them.
  tabs_->setUsesScrollButtons(false);
  tabs_->setElideMode(Qt::ElideNone);
  // The pages' own size: 383 x 245 dialog units of an 8-point dialog font.
  tabs_->setMinimumSize(590, 420);
  const QIcon bullet(zor::icons::kTabBullet);
  // Each tab starts with an empty holder; the page itself is made on demand.
  for (const char* caption : kCaptions) {
    auto* holder = new QWidget;
    holder->setLayout(new QVBoxLayout);
    holder->layout()->setContentsMargins(0, 0, 0, 0);
    tabs_->addTab(holder, bullet, QString::fromUtf8(caption));
  }
  exit_button_->setText(QString::fromUtf8("Kilépés"));
  exit_button_->setAutoDefault(false);
  connect(exit_button_, &QPushButton::clicked, this, &CKorPropertySheet::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(exit_button_);
  layout->addLayout(buttons);
  connect(tabs_, &QTabWidget::currentChanged, this, &CKorPropertySheet::ensure_page);
  ensure_page(kInputPage);
}

QWidget* CKorPropertySheet::created_page(int index) const {
  return index >= 0 && index < kPageCount ? pages_[static_cast<size_t>(index)] : nullptr;
}

void CKorPropertySheet::show_page(int index) {
  ensure_page(index);
  tabs_->setCurrentIndex(index);
}

void CKorPropertySheet::reject() {
  // While a run works the progress window has disabled the sheet; the run
  // ends first, through its Cancel button.
  if (!isEnabled()) return;
  if (zor::gui::user_dialogs().ask_yes_no(this, exit_question(), zor::gui::YesNoButtons::hungarian))
    QDialog::reject();
}

zor::gui::Box CKorPropertySheet::exit_question() {
  return {zor::gui::BoxIcon::question, QString::fromUtf8("Kilépés"),
          QString::fromUtf8("Valóban ki akar képni?")};
}

void CKorPropertySheet::ensure_page(int index) {
  if (index < 0 || index >= kPageCount || pages_[static_cast<size_t>(index)]) return;
  QWidget* page = nullptr;
  switch (index) {
    case kInputPage: page = new CPage1(this); break;
    case kLabelPage: page = new CPage2(this); break;
    case kConnectionPage: page = new CPage23(this); break;
    case kSpecificationPage: page = new CPage3(this); break;
    default: page = new CPage5(this); break;
  }
  pages_[static_cast<size_t>(index)] = page;
  tabs_->widget(index)->layout()->addWidget(page);
  // A page made later may need more room than the sheet was given.
  resize(size().expandedTo(sizeHint()));
}
