#pragma once
// Page 2, "2. Hangok címkéi": the sound-label tree. The default tree is built
// when the page is created, that is, when it is first shown. The tree-list
// control shows the tree; every change made there is taken over into the
// tree at once, so label_tree() always stands as the control shows it.
#include <QWidget>

#include "corpus/label_tree.h"

class CKorPropertySheet;
class CTreeListCtrl;
class QTreeWidgetItem;

class CPage2 : public QWidget {
  Q_OBJECT

 public:
  explicit CPage2(CKorPropertySheet* sheet, QWidget* parent = nullptr);

  const zor::LabelTree& label_tree() const { return tree_; }
  CTreeListCtrl& tree_control() const { return *control_; }

 public slots:
  // "Hozzáad": a new child of the selected node, from the element dialog.
  void add_element();
  // "Módosít": the selected node's name and content; never on a "Hang".
  void modify_element();
  // "Töröl": the selected node with its subtree, after a question; never a "Hang".
  void delete_element();
  // "Mentés fájlba" and "Megnyitás fájlból".
  void save_to_file();
  void load_from_file();

 private:
  QTreeWidgetItem* selected_item() const;
  void show_tree(const zor::LabelTree& tree);
  void take_tree_from_control();

  CKorPropertySheet* sheet_;
  CTreeListCtrl* control_;
  zor::LabelTree tree_;
};

// The label tree of page 2, or null while that page has not been shown.
const zor::LabelTree* label_tree_of(const CKorPropertySheet* sheet);
