#pragma once
// Page 3, "3. Hangkapcsolatok": the sound connections. When the page is
// created (first shown) it takes its choices from page 2's label tree and
// reads "hangkapcsolatok.txt" from the current directory, silently.
#include <QWidget>
#include <array>

#include "query/connection_list.h"

class CKorPropertySheet;
class CRowListView;
class QComboBox;

class CPage23 : public QWidget {
  Q_OBJECT

 public:
  explicit CPage23(CKorPropertySheet* sheet, QWidget* parent = nullptr);

  const zor::ConnectionList& connections() const { return connections_; }
  CRowListView& list_view() const { return *view_; }
  // The drop-down list "Hang 1", "Hang 2" or "Hang 3" (position 0 to 2).
  QComboBox& choice_list(size_t position) const { return *choices_[position]; }

 public slots:
  // "Hozzáad": the row composed in the three drop-down lists.
  void add_connection();
  // "Töröl": every selected row, without a question.
  void delete_connections();
  // "Frissít": the drop-down lists from page 2's current label tree.
  void refresh_choices();
  // "Mentés fájlba" and "Megnyitás fájlból".
  void save_to_file();
  void load_from_file();

 private:
  void show_rows(const std::vector<size_t>& selected);
  void sort_rows(int column, bool ascending);

  CKorPropertySheet* sheet_;
  zor::ConnectionList connections_;
  CRowListView* view_;
  std::array<QComboBox*, 3> choices_{};
};

// The connections of page 3, or null while that page has not been shown.
const zor::ConnectionList* connections_of(const CKorPropertySheet* sheet);
