#pragma once
// The element dialog of page 2: the name of a label-tree node and, in two
// list boxes, which of its parent's symbols it holds.
#include <QDialog>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;

class ElementDialog : public QDialog {
  Q_OBJECT

 public:
  enum class Mode { kNew, kModify };

  // `element_content` is the node's own content (empty for a new node),
  // `parent_content` the content the symbols are chosen from.
  ElementDialog(Mode mode, const std::string& name, const std::string& element_content,
                const std::string& parent_content, QWidget* parent = nullptr);

  // After OK: the name trimmed of blanks, and the content built from "Elem".
  const std::string& name() const { return name_; }
  const std::string& content() const { return content_; }

  // The entries of "Szülő" and "Elem" as they stand.
  std::vector<std::string> parent_entries() const;
  std::vector<std::string> element_entries() const;

  QLineEdit& name_edit() const { return *name_edit_; }
  QListWidget& parent_list() const { return *parent_list_; }
  QListWidget& element_list() const { return *element_list_; }

 public slots:
  // "-->": the selected "Szülő" entry goes to the end of "Elem".
  void move_to_element();
  // "<--": the selected "Elem" entry goes to the end of "Szülő".
  void move_to_parent();
  // OK: refuses a name of blanks only by moving the focus into the edit.
  void accept() override;

 private:
  QLineEdit* name_edit_;
  QListWidget* parent_list_;
  QListWidget* element_list_;
  std::string name_;
  std::string content_;
};
