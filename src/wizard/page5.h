#pragma once
// Page 5, "5. Kimeneti fájlok": the output directory and base name, the five
// file names built from them, and the three runs (conversion, query, result
// viewer). The runs read the names from the page's edits.
#include <QWidget>
#include <array>

#include "corpus/output_names.h"

class CIconButton;
class CKorPropertySheet;
class QLineEdit;
class QPushButton;

class CPage5 : public QWidget {
  Q_OBJECT

 public:
  explicit CPage5(CKorPropertySheet* sheet, QWidget* parent = nullptr);

  // The six output paths (Windows-1250) the runs use.
  zor::OutputNames output_names() const;
  // A chosen folder (native path); a separator is appended unless present.
  void set_directory(const QString& native_folder);
  QString base_name() const;
  QString directory() const;

  static constexpr int kFileCount = 5;
  QLineEdit* name_edit(int file) const { return name_edits_.at(static_cast<size_t>(file)); }
  CIconButton* open_button(int file) const { return open_buttons_.at(static_cast<size_t>(file)); }
  CIconButton* conversion_button() const { return run_buttons_[0]; }
  CIconButton* query_button() const { return run_buttons_[1]; }
  CIconButton* viewer_button() const { return run_buttons_[2]; }
  CIconButton* previous_button() const { return previous_; }
  QPushButton* choose_button() const { return choose_; }

 private:
  void rebuild_names();
  void choose_directory();
  void open_file(int file);
  void run_conversion();
  void run_query();
  void show_results();

  CKorPropertySheet* sheet_;
  QLineEdit* base_;
  QLineEdit* directory_;
  QPushButton* choose_;
  std::array<QLineEdit*, kFileCount> name_edits_{};
  std::array<CIconButton*, kFileCount> open_buttons_{};
  std::array<CIconButton*, 3> run_buttons_{};
  CIconButton* previous_;
};
