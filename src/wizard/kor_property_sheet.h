#pragma once
// The wizard window: five tabbed pages, each created when first shown. The
// sheet keeps no data of its own; pages reach each other through it by index.
#include <QDialog>
#include <array>

#include "wizard/user_dialogs.h"

class QPushButton;
class QTabWidget;

class CKorPropertySheet : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kPageCount = 5;
  enum PageIndex { kInputPage = 0, kLabelPage, kConnectionPage, kSpecificationPage, kOutputPage };

  explicit CKorPropertySheet(QWidget* parent = nullptr);

  // The page at a 0-based index, or null while it has not been shown yet.
  QWidget* created_page(int index) const;
  // The same page as its own class.
  template <class Page>
  Page* created(int index) const {
    return qobject_cast<Page*>(created_page(index));
  }
  // Shows the page, creating it first when needed.
  void show_page(int index);

  QTabWidget* tabs() const { return tabs_; }
  QPushButton* exit_button() const { return exit_button_; }

  // "Kilépés", Esc and the close box all end here: the sheet closes only
  // when the user confirms.
  void reject() override;
  // What reject asks.
  static zor::gui::Box exit_question();

 private:
  void ensure_page(int index);

  QTabWidget* tabs_;
  QPushButton* exit_button_;
  std::array<QWidget*, kPageCount> pages_{};
};
