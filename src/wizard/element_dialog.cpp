#include "wizard/element_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/encoding.h"
#include "wizard/dialog_buttons.h"
#include "wizard/element_dialog_lists.h"
#include "wizard/page234_field_text.h"

namespace {

QString shown(const std::string& cp1250) { return QString::fromStdString(zor::from_cp1250(cp1250)); }

// Each entry keeps its symbol's bytes beside the shown text, so a symbol
// comes back exactly as it went in.
std::vector<std::string> entries_of(const QListWidget& list) {
  std::vector<std::string> entries;
  for (int row = 0; row < list.count(); ++row) {
    QByteArray bytes = list.item(row)->data(Qt::UserRole).toByteArray();
    entries.emplace_back(bytes.constData(), static_cast<size_t>(bytes.size()));
  }
  return entries;
}

// Moves the selected entry to the end of the other list; any length goes.
void move_selected(QListWidget& from, QListWidget& to) {
  QList<QListWidgetItem*> selected = from.selectedItems();
  if (selected.isEmpty()) return;
  to.addItem(from.takeItem(from.row(selected.first())));
  from.clearSelection();
}

QListWidget* symbol_list(const std::vector<std::string>& symbols, const char* object_name) {
  auto* list = new QListWidget;
  list->setObjectName(object_name);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setSortingEnabled(false);
  for (const std::string& symbol : symbols) {
    auto* item = new QListWidgetItem(shown(symbol), list);
    item->setData(Qt::UserRole,
                  QByteArray(symbol.data(), static_cast<qsizetype>(symbol.size())));
  }
  return list;
}

}  // namespace

ElementDialog::ElementDialog(Mode mode, const std::string& name,
                             const std::string& element_content,
                             const std::string& parent_content, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QString::fromUtf8(mode == Mode::kNew ? "Új elem létrehozása" : "Elem módosítása"));
  zor::ElementLists lists = zor::element_dialog_lists(element_content, parent_content);

  auto* name_box = new QGroupBox(QString::fromUtf8("Név"));
  auto* name_row = new QHBoxLayout(name_box);
  name_row->addWidget(new QLabel(QString::fromUtf8("Az elem neve:")));
  name_edit_ = new QLineEdit(mode == Mode::kNew ? QString() : shown(name));
  name_edit_->setObjectName("name");
  zor::keep_line_breaks_out(*name_edit_);
  name_row->addWidget(name_edit_);

  auto* lists_box = new QGroupBox(QString::fromUtf8("Leírás"));
  auto* grid = new QGridLayout(lists_box);
  parent_list_ = symbol_list(lists.parent, "parent_symbols");
  element_list_ = symbol_list(lists.element, "element_symbols");
  auto* to_element = new QPushButton(QStringLiteral("-->"));
  to_element->setObjectName("to_element");
  auto* to_parent = new QPushButton(QStringLiteral("<--"));
  to_parent->setObjectName("to_parent");
  auto* arrows = new QVBoxLayout;
  arrows->addStretch();
  arrows->addWidget(new QLabel(QStringLiteral("---->")), 0, Qt::AlignHCenter);
  arrows->addWidget(to_element);
  arrows->addWidget(to_parent);
  arrows->addStretch();
  grid->addWidget(new QLabel(QString::fromUtf8("Szülő")), 0, 0);
  grid->addWidget(new QLabel(QString::fromUtf8("Elem")), 0, 2);
  grid->addWidget(parent_list_, 1, 0);
  grid->addLayout(arrows, 1, 1);
  grid->addWidget(element_list_, 1, 2);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(name_box);
  layout->addWidget(lists_box);
  layout->addWidget(ok_cancel_buttons(this));

  connect(to_element, &QPushButton::clicked, this, &ElementDialog::move_to_element);
  connect(to_parent, &QPushButton::clicked, this, &ElementDialog::move_to_parent);
  resize(360, 340);
}

std::vector<std::string> ElementDialog::parent_entries() const { return entries_of(*parent_list_); }

std::vector<std::string> ElementDialog::element_entries() const {
  return entries_of(*element_list_);
}

void ElementDialog::move_to_element() { move_selected(*parent_list_, *element_list_); }

void ElementDialog::move_to_parent() { move_selected(*element_list_, *parent_list_); }

void ElementDialog::accept() {
  std::string trimmed = zor::trimmed_blanks(zor::edit_text(*name_edit_));
  if (trimmed.empty()) {
    name_edit_->setFocus();
    return;
  }
  name_ = trimmed;
  content_ = zor::element_content(element_entries());
  QDialog::accept();
}
