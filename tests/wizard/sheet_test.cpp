#include <gtest/gtest.h>

#include "wizard/kor_property_sheet.h"
#include "wizard/page2.h"

TEST(Sheet, PagesAreCreatedWhenFirstShown) {
  CKorPropertySheet sheet;
  EXPECT_NE(sheet.created_page(CKorPropertySheet::kInputPage), nullptr);
  EXPECT_EQ(sheet.created_page(CKorPropertySheet::kLabelPage), nullptr);
  sheet.show_page(CKorPropertySheet::kLabelPage);
  auto* labels = qobject_cast<CPage2*>(sheet.created_page(CKorPropertySheet::kLabelPage));
  ASSERT_NE(labels, nullptr);
  EXPECT_FALSE(labels->label_tree().is_empty());
}
