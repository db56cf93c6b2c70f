#pragma once
// "Eredményböngésző": the statistics of the ticked specifications, the 10 ms
// histogram of the selected one with its mean and median, its hits (filtered
// by a clicked interval, sortable), and the hits played from their WAV with
// a chosen context. The window holds widgets; ResultBrowserModel holds the
// state.
#include <QDialog>

#include "wizard/result_browser_model.h"

class CHitTableModel;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;

class CResultBrowser : public QDialog {
  Q_OBJECT

 public:
  // `model` has been loaded; the browser shows its first specification.
  CResultBrowser(zor::gui::ResultBrowserModel& model, QWidget* parent = nullptr);

  zor::gui::ResultBrowserModel& model() { return model_; }
  QTableWidget* statistics() const { return statistics_; }
  QTableView* hits() const { return hits_; }
  QChartView* histogram() const { return chart_view_; }

  void select_specification(int row);
  // As a click on the histogram at `milliseconds` does: filters the list by
  // the interval there, or shows every hit again when it was the filter.
  void click_histogram(double milliseconds);
  void select_hit_row(int row);
  void play_hit();
  void play_sentence();
  void open_in_praat();
  void save_histogram();
  void copy_list();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fill_statistics();
  void draw_histogram();
  void show_hits();
  void warn(const std::string& cp1250_problem);

  zor::gui::ResultBrowserModel& model_;
  QTableWidget* statistics_;
  QChart* chart_;
  QChartView* chart_view_;
  QTableView* hits_;
  CHitTableModel* hit_rows_;
  QComboBox* context_;
  QLabel* filter_label_;
};
