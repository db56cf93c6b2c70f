#include "controls/tree_list_ctrl.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

#include "controls/tree_list_cell_delegate.h"

namespace {

void send_mouse(QWidget* target, QPoint at, QEvent::Type type) {
  QPointF local(at);
  QPointF global(target->mapToGlobal(at));
  QMouseEvent event(type, local, global, Qt::LeftButton,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

void click(QWidget* target, QPoint at) {
  send_mouse(target, at, QEvent::MouseButtonPress);
  send_mouse(target, at, QEvent::MouseButtonRelease);
}

// A double click as the window system delivers it: press, release, then
// the double-click event.
void double_click(QWidget* target, QPoint at) {
  click(target, at);
  send_mouse(target, at, QEvent::MouseButtonDblClick);
  send_mouse(target, at, QEvent::MouseButtonRelease);
}

class TreeListCtrlTest : public testing::Test {
 protected:
  void SetUp() override {
    tree.InsertColumn(0, "Elemek", CTreeListCtrl::kAlignLeft, 150);
    tree.InsertColumn(1, "Tartalom", CTreeListCtrl::kAlignLeft, 390);
    tree.resize(600, 300);
    tree.show();
  }

  void click_header(int column) {
    QHeaderView* header = tree.header();
    QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
              header->height() / 2);
    click(header->viewport(), at);
  }

  // Names of the children of `parent` (top level when null), in order.
  std::vector<std::string> names(QTreeWidgetItem* parent = nullptr) {
    QTreeWidgetItem* level = parent ? parent : tree.invisibleRootItem();
    std::vector<std::string> result;
    for (int i = 0; i < level->childCount(); ++i)
      result.push_back(tree.GetItemText(level->child(i), 0));
    return result;
  }

  CTreeListCtrl tree;
};

TEST_F(TreeListCtrlTest, HeaderClicksSortEveryLevelAndMoveTheMarker) {
  QTreeWidgetItem* root = tree.InsertItem("b1");
  tree.InsertItem("a10");
  tree.InsertItem("a9");
  for (const char* name : {"V10", "V2", "C"}) tree.InsertItem(name, root);
  tree.SetItemText(root->child(0), 1, "z");
  tree.SetItemText(root->child(1), 1, "y");
  tree.SetItemText(root->child(2), 1, "x");

  // Column 0 starts with the ascending marker, so its first click descends.
  EXPECT_EQ(tree.header()->sortIndicatorSection(), 0);
  EXPECT_EQ(tree.header()->sortIndicatorOrder(), Qt::AscendingOrder);
  click_header(0);
  EXPECT_EQ(tree.header()->sortIndicatorOrder(), Qt::DescendingOrder);
  EXPECT_EQ(names(), (std::vector<std::string>{"b1", "a10", "a9"}));
  EXPECT_EQ(names(root), (std::vector<std::string>{"V10", "V2", "C"}));

  click_header(0);
  EXPECT_EQ(names(), (std::vector<std::string>{"a9", "a10", "b1"}));
  EXPECT_EQ(names(root), (std::vector<std::string>{"C", "V2", "V10"}));

  // A column without the marker sorts ascending first, and takes the marker.
  click_header(1);
  EXPECT_EQ(tree.header()->sortIndicatorSection(), 1);
  EXPECT_EQ(tree.header()->sortIndicatorOrder(), Qt::AscendingOrder);
  EXPECT_EQ(names(root), (std::vector<std::string>{"C", "V2", "V10"}));  // x, y, z
  click_header(1);
  EXPECT_EQ(names(root), (std::vector<std::string>{"V10", "V2", "C"}));
}

TEST_F(TreeListCtrlTest, ReportsTheSortSoTheOwnerCanTakeTheNewOrder) {
  tree.InsertItem("b");
  tree.InsertItem("a");
  int reports = 0;
  QObject::connect(&tree, &CTreeListCtrl::itemsSorted, [&] { ++reports; });
  click_header(1);
  EXPECT_EQ(reports, 1);
}

TEST_F(TreeListCtrlTest, KeepsTextsAsBytesAndLeavesSkippedColumnsEmpty) {
  QTreeWidgetItem* item = tree.InsertItem("\xe1rv\xedz");  // "árvíz" in Windows-1250
  tree.SetItemText(item, 3, "d");
  EXPECT_EQ(tree.GetItemText(item, 0), "\xe1rv\xedz");
  EXPECT_EQ(tree.GetItemText(item, 1), "");
  EXPECT_EQ(tree.GetItemText(item, 2), "");
  EXPECT_EQ(tree.GetItemText(item, 3), "d");
  EXPECT_EQ(item->text(0), QString::fromUtf8("árvíz"));
  EXPECT_EQ(tree.GetItemText(nullptr, 0), "");
}

TEST_F(TreeListCtrlTest, BoldItemsUseABoldFont) {
  QTreeWidgetItem* item = tree.InsertItem("Hang");
  EXPECT_FALSE(item->font(1).bold());
  ASSERT_TRUE(tree.SetItemBold(item, true));
  EXPECT_TRUE(tree.IsItemBold(item));
  EXPECT_TRUE(item->data(0, Qt::FontRole).value<QFont>().bold());
  EXPECT_TRUE(item->data(1, Qt::FontRole).value<QFont>().bold());
  EXPECT_FALSE(tree.SetItemBold(nullptr, true));
}

TEST_F(TreeListCtrlTest, ClicksOutsideColumnZeroNeverToggleExpansion) {
  QTreeWidgetItem* root = tree.InsertItem("Hang");
  tree.InsertItem("V", root);
  root->setExpanded(false);
  QRect cell = tree.visualItemRect(root);
  QPoint in_content(tree.columnWidth(0) + 20, cell.center().y());
  double_click(tree.viewport(), in_content);
  EXPECT_FALSE(root->isExpanded());
  EXPECT_EQ(tree.currentItem(), root);
  QPoint in_name(tree.columnWidth(0) / 2, cell.center().y());
  double_click(tree.viewport(), in_name);
  EXPECT_TRUE(root->isExpanded());
}

TEST_F(TreeListCtrlTest, ScrollsHeaderAndRowsTogetherSixPixelsALine) {
  tree.resize(300, 200);
  tree.InsertItem("Hang");
  QApplication::processEvents();
  QScrollBar* bar = tree.horizontalScrollBar();
  ASSERT_GT(bar->maximum(), 0);  // 540 pixels of columns in a narrower view
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(bar->value(), 6);
  EXPECT_EQ(tree.header()->offset(), 6);
}

TEST_F(TreeListCtrlTest, DeletingAnItemTakesItsSubtree) {
  QTreeWidgetItem* root = tree.InsertItem("Hang");
  QTreeWidgetItem* consonants = tree.InsertItem("C", root);
  tree.InsertItem("Cr", consonants);
  tree.InsertItem("V", root);
  EXPECT_TRUE(tree.DeleteItem(consonants));
  EXPECT_EQ(names(root), (std::vector<std::string>{"V"}));
  tree.DeleteAllItems();
  EXPECT_EQ(tree.topLevelItemCount(), 0);
}

TEST(TreeListCellText, TooWideTextsAreCutAndEndInThreeDots) {
  QFontMetrics metrics(QApplication::font());
  QString text = QStringLiteral("b,p,d,t,g,k,G,T,m,n,N,j,h,v,f,z,s,c,Z,S,C,l,r");
  int wide = metrics.horizontalAdvance(text) + 8;
  EXPECT_EQ(elide_cell_text(text, wide, metrics), text);
  QString cut = elide_cell_text(text, wide / 2, metrics);
  ASSERT_TRUE(cut.endsWith(QStringLiteral("...")));
  QString kept = cut.chopped(3);
  EXPECT_TRUE(text.startsWith(kept));
  // One more character went than needed to fit into the cell minus 8.
  EXPECT_LE(metrics.horizontalAdvance(text.left(kept.size() + 1)), wide / 2 - 8);
  EXPECT_GT(metrics.horizontalAdvance(text.left(kept.size() + 2)), wide / 2 - 8);
  EXPECT_EQ(elide_cell_text(QStringLiteral("abc"), 0, metrics), QStringLiteral("..."));
}

}  // namespace
