#include "controls/sortable_list.h"

#include <gtest/gtest.h>

#include <QHeaderView>

namespace {

class SortableListTest : public testing::Test {
 protected:
  void SetUp() override {
    list.setColumnCount(2);
    ASSERT_TRUE(list.SetColumnKinds({0, 2}));
    list.EnableSorting(true);
    add("b", "10", 0);
    add("c", "9", 1);
    add("a", "100", 2);
  }
  void add(const char* name, const char* number, int data) {
    auto* item = new QTreeWidgetItem(QStringList{name, number});
    item->setData(0, Qt::UserRole, data);
    list.addTopLevelItem(item);
  }
  QString column(int c) const {
    QString texts;
    for (int row = 0; row < list.topLevelItemCount(); ++row) texts += list.topLevelItem(row)->text(c);
    return texts;
  }
  CSortableList list;
};

TEST_F(SortableListTest, HeaderClickSortsThenReverses) {
  emit list.header()->sectionClicked(0);
  EXPECT_EQ(column(0), "abc");
  EXPECT_TRUE(list.sort_ascending());
  emit list.header()->sectionClicked(0);
  EXPECT_EQ(column(0), "cba");
  EXPECT_FALSE(list.sort_ascending());
  emit list.header()->sectionClicked(0);
  EXPECT_EQ(column(0), "abc");
}

TEST_F(SortableListTest, AnotherColumnStartsAscendingWithItsKind) {
  list.sort_by_column(0);
  list.sort_by_column(0);
  list.sort_by_column(1);
  EXPECT_EQ(list.sort_column(), 1);
  EXPECT_TRUE(list.sort_ascending());
  EXPECT_EQ(column(1), "910100");  // by value, not as text
}

TEST_F(SortableListTest, RowsKeepTheirDataAndSelection) {
  list.topLevelItem(1)->setSelected(true);  // "c"
  list.sort_by_column(0);
  ASSERT_EQ(column(0), "abc");
  EXPECT_EQ(list.topLevelItem(0)->data(0, Qt::UserRole).toInt(), 2);
  EXPECT_EQ(list.topLevelItem(1)->data(0, Qt::UserRole).toInt(), 0);
  EXPECT_EQ(list.topLevelItem(2)->data(0, Qt::UserRole).toInt(), 1);
  ASSERT_EQ(list.selectedItems().size(), 1);
  EXPECT_EQ(list.first_selected_item(), list.topLevelItem(2));
}

TEST_F(SortableListTest, AddedRowsGoToTheEndAfterASort) {
  list.sort_by_column(0);
  add("0", "1", 3);
  EXPECT_EQ(column(0), "abc0");
}

TEST_F(SortableListTest, RefusedKindsLeaveSortingOff) {
  CSortableList fresh;
  fresh.setColumnCount(1);
  EXPECT_FALSE(fresh.SetColumnKinds({0, 7}));
  EXPECT_FALSE(fresh.SetColumnKinds({-1}));
  fresh.addTopLevelItem(new QTreeWidgetItem(QStringList{"b"}));
  fresh.addTopLevelItem(new QTreeWidgetItem(QStringList{"a"}));
  emit fresh.header()->sectionClicked(0);
  EXPECT_EQ(fresh.topLevelItem(0)->text(0), "b");
  EXPECT_EQ(fresh.sort_column(), -1);
}

TEST_F(SortableListTest, SettersReturnThePreviousValue) {
  EXPECT_TRUE(list.EnableSorting(false));
  EXPECT_EQ(list.SetHighlightMode(CSortableList::kHighlightRow), CSortableList::kHighlightLabel);
  EXPECT_EQ(list.SetHighlightMode(3), CSortableList::kHighlightRow);
  EXPECT_EQ(list.SetHighlightMode(1), CSortableList::kHighlightRow);  // 3 was ignored
  EXPECT_FALSE(list.SetHeaderDragReorder(true));
  EXPECT_TRUE(list.SetHeaderDragReorder(false));
  EXPECT_FALSE(list.header()->sectionsMovable());
}

}  // namespace
