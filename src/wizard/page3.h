#pragma once
// Page 4, "4. Specifikációk": the specifications, in the order the query
// visits them.
#include <QWidget>

#include "query/specification_list.h"

class CKorPropertySheet;

class CPage3 : public QWidget {
  Q_OBJECT

 public:
  explicit CPage3(CKorPropertySheet* sheet, QWidget* parent = nullptr);

  const zor::SpecificationList& specifications() const { return specifications_; }
  // Replaces the list by a specification file's records, as "Megnyitás
  // fájlból" does. False when the file cannot be read.
  bool load_specification_file(const std::string& cp1250_path);

 private:
  CKorPropertySheet* sheet_;
  zor::SpecificationList specifications_;
};
