#include "wizard/page2.h"

CPage2::CPage2(CKorPropertySheet* sheet, QWidget* parent) : QWidget(parent), sheet_(sheet) {
  tree_.build_default_tree();
}
