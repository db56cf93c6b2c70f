#include "wizard/kor_property_sheet.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "wizard/page1.h"
#include "wizard/page2.h"
#include "wizard/page23.h"
#include "wizard/page3.h"

namespace {

const char* const kCaptions[CKorPropertySheet::kPageCount] = {
    "1. Bemeneti fájlok", "2. Hangok címkéi", "3. Hangkapcsolatok", "4. Specifikációk",
    "5. Kimeneti fájlok"};

}  // namespace

CKorPropertySheet::CKorPropertySheet(QWidget* parent) : QDialog(parent), tabs_(new QTabWidget) {
  setWindowTitle(QString::fromUtf8("Z O R (Hang-idő konverzió)"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  // Each tab starts with an empty holder; the page itself is made on demand.
  for (const char* caption : kCaptions) {
    auto* holder = new QWidget;
    holder->setLayout(new QVBoxLayout);
    holder->layout()->setContentsMargins(0, 0, 0, 0);
    tabs_->addTab(holder, QString::fromUtf8(caption));
  }
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

void CKorPropertySheet::ensure_page(int index) {
  if (index < 0 || index >= kPageCount || pages_[static_cast<size_t>(index)]) return;
  QWidget* page = nullptr;
  switch (index) {
    case kInputPage: page = new CPage1(this); break;
    case kLabelPage: page = new CPage2(this); break;
    case kConnectionPage: page = new CPage23(this); break;
    case kSpecificationPage: page = new CPage3(this); break;
    default: page = new QWidget; break;  // page 5
  }
  pages_[static_cast<size_t>(index)] = page;
  tabs_->widget(index)->layout()->addWidget(page);
}
