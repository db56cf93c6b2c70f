#pragma once
// Page 2, "2. Hangok címkéi": the sound-label tree. The default tree is built
// when the page is created, that is, when it is first shown.
#include <QWidget>

#include "query/label_tree.h"

class CKorPropertySheet;

class CPage2 : public QWidget {
  Q_OBJECT

 public:
  explicit CPage2(CKorPropertySheet* sheet, QWidget* parent = nullptr);

  const zor::LabelTree& label_tree() const { return tree_; }

 private:
  CKorPropertySheet* sheet_;
  zor::LabelTree tree_;
};
