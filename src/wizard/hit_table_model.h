#pragma once
// The result browser's hit list as a Qt item model over the widget-free
// browser model: rows are the visible hits, a header click sorts.
#include <QAbstractTableModel>

#include "wizard/result_browser_model.h"

class CHitTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit CHitTableModel(zor::gui::ResultBrowserModel& browser, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  void sort(int column, Qt::SortOrder order) override;

  // After the browser model changed its hits or filter.
  void refresh();

 private:
  zor::gui::ResultBrowserModel& browser_;
};
