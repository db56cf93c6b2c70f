#pragma once
// "Az eredmény megtekintése": the specification names of the result table
// with check boxes, the report's two options, and "Megmutat", which writes
// the report of the ticked names and opens it. Usable many times per opening.
#include <QDialog>
#include <vector>

#include "corpus/output_names.h"
#include "query/report.h"

class QCheckBox;
class QListWidget;
class QPushButton;

class CResultViewDialog : public QDialog {
  Q_OBJECT

 public:
  // The texts of page 5's directory and base-name edits.
  CResultViewDialog(const QString& directory, const QString& base_name, QWidget* parent = nullptr);

  // The list in its order with the tick of each entry.
  std::vector<zor::ReportEntry> entries() const;
  zor::ReportOptions options() const;
  const zor::OutputNames& names() const { return names_; }

  QListWidget* list() const { return list_; }
  QPushButton* show_button() const { return show_; }
  QPushButton* browse_button() const { return browse_; }
  QPushButton* read_here_button() const { return read_here_; }
  QPushButton* tick_all_button() const { return tick_all_; }
  QPushButton* untick_all_button() const { return untick_all_; }
  QCheckBox* details_box() const { return details_; }
  QCheckBox* distribution_box() const { return distribution_; }

 private:
  void fill_list();
  void set_all_ticks(bool ticked);
  void show_report();
  // The result browser of the ticked entries.
  void browse_results();
  // Writes the report as "Megmutat" does and shows it inside the program.
  void read_report_here();

  zor::OutputNames names_;
  QListWidget* list_;
  QPushButton* show_;
  QPushButton* browse_;
  QPushButton* read_here_;
  QPushButton* close_;
  QPushButton* tick_all_;
  QPushButton* untick_all_;
  QCheckBox* details_;
  QCheckBox* distribution_;
};
