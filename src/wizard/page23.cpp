#include "wizard/page23.h"

CPage23::CPage23(CKorPropertySheet* sheet, QWidget* parent) : QWidget(parent), sheet_(sheet) {}
