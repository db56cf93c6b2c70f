#include "wizard/page3.h"

CPage3::CPage3(CKorPropertySheet* sheet, QWidget* parent) : QWidget(parent), sheet_(sheet) {}

bool CPage3::load_specification_file(const std::string& cp1250_path) {
  return zor::load_specifications(specifications_, cp1250_path);
}
