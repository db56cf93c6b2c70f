#include "wizard/hit_table_model.h"

#include "platform/encoding.h"

namespace {

const char* const kHeaders[zor::gui::kHitColumnCount] = {"Hossz (ms)", "Mondat", "Szó",   "Hang",
                                                         "Előtte",     "Utána",  "Pozíció"};

}  // namespace

CHitTableModel::CHitTableModel(zor::gui::ResultBrowserModel& browser, QObject* parent)
    : QAbstractTableModel(parent), browser_(browser) {}

int CHitTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(browser_.visible_count());
}

int CHitTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : zor::gui::kHitColumnCount;
}

QVariant CHitTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || static_cast<size_t>(index.row()) >= browser_.visible_count()) return {};
  const auto column = static_cast<zor::gui::HitColumn>(index.column());
  if (role == Qt::TextAlignmentRole && column == zor::gui::HitColumn::duration)
    return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole) return {};
  const std::string text =
      zor::gui::ResultBrowserModel::column_text(browser_.visible_hit(static_cast<size_t>(index.row())), column);
  return QString::fromStdString(zor::from_cp1250(text));
}

QVariant CHitTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
      section >= zor::gui::kHitColumnCount)
    return QAbstractTableModel::headerData(section, orientation, role);
  return QString::fromUtf8(kHeaders[section]);
}

void CHitTableModel::sort(int column, Qt::SortOrder order) {
  if (column < 0 || column >= zor::gui::kHitColumnCount) return;
  emit layoutAboutToBeChanged();
  browser_.sort_by(static_cast<zor::gui::HitColumn>(column), order == Qt::AscendingOrder);
  emit layoutChanged();
}

void CHitTableModel::refresh() {
  beginResetModel();
  endResetModel();
}
