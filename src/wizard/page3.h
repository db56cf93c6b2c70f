#pragma once
// Page 4, "4. Specifikációk": the specifications, in the order the query
// visits them.
#include <QWidget>
#include <optional>

#include "query/specification_list.h"
#include "wizard/specification_dialog.h"

class CKorPropertySheet;
class CRowListView;

class CPage3 : public QWidget {
  Q_OBJECT

 public:
  explicit CPage3(CKorPropertySheet* sheet, QWidget* parent = nullptr);

  const zor::SpecificationList& specifications() const { return specifications_; }
  // Replaces the list by a specification file's records, as "Megnyitás
  // fájlból" does. False when the file cannot be read.
  bool load_specification_file(const std::string& cp1250_path);

  CRowListView& list_view() const { return *view_; }

 public slots:
  // "Új spec.": a new record from the dialog, appended.
  void new_specification();
  // "Másol": the selected record, changed in the dialog, appended as a new row.
  void copy_specification();
  // "Módosít": the selected record, changed in the dialog, in its place.
  void modify_specification();
  // "Töröl": the selected record, at once.
  void delete_specification();
  // "Mentés fájlba" and "Megnyitás fájlból".
  void save_to_file();
  void load_from_file();

 private:
  // The dialog's lists when pages 2 and 3 allow a dialog, after their
  // refusal message otherwise.
  std::optional<zor::SpecificationChoices> dialog_choices();
  void edit_selected(SpecificationDialog::Mode mode);
  void show_rows(const std::vector<size_t>& selected);
  void sort_rows(int column, bool ascending);

  CKorPropertySheet* sheet_;
  zor::SpecificationList specifications_;
  CRowListView* view_;
};
