#include <QApplication>

#include "wizard/kor_property_sheet.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  CKorPropertySheet sheet;
  return sheet.exec();
}
