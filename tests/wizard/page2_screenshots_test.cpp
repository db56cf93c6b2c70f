// Pictures of pages 2 to 4 and their dialogs for a look by eye. They are
// written only when ZOR_SCREENSHOT_DIR names a folder; otherwise skipped.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QDir>
#include <QTemporaryDir>

#include "controls/tree_list_ctrl.h"
#include "wizard/element_dialog.h"
#include "wizard/fake_user_dialogs.h"
#include "wizard/kor_property_sheet.h"
#include "wizard/page2.h"
#include "wizard/page23.h"
#include "wizard/page3.h"
#include "wizard/specification_dialog.h"

namespace {

class Screenshots : public testing::Test {
 protected:
  void SetUp() override {
    folder = qEnvironmentVariable("ZOR_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "ZOR_SCREENSHOT_DIR is not set";
    previous_folder = QDir::currentPath();
    QDir::setCurrent(scratch.path());
  }
  void TearDown() override {
    if (!previous_folder.isEmpty()) QDir::setCurrent(previous_folder);
  }

  void save(QWidget& widget, const char* name) {
    widget.show();
    QApplication::processEvents();
    ASSERT_TRUE(widget.grab().save(QDir(folder).filePath(QString::fromUtf8(name))));
  }

  QString folder;
  QString previous_folder;
  QTemporaryDir scratch;
  zor::test::FakeUserDialogs dialogs;
};

TEST_F(Screenshots, PagesAndDialogs) {
  CKorPropertySheet sheet;
  sheet.resize(620, 470);
  sheet.show_page(CKorPropertySheet::kLabelPage);
  auto* labels = qobject_cast<CPage2*>(sheet.created_page(CKorPropertySheet::kLabelPage));
  labels->tree_control().expandAll();
  labels->tree_control().setCurrentItem(labels->tree_control().topLevelItem(0)->child(1));
  save(sheet, "page2.png");

  sheet.show_page(CKorPropertySheet::kConnectionPage);
  auto* connections =
      qobject_cast<CPage23*>(sheet.created_page(CKorPropertySheet::kConnectionPage));
  connections->add_connection();
  connections->choice_list(1).setCurrentIndex(7);
  connections->choice_list(2).setCurrentIndex(1);
  connections->add_connection();
  save(sheet, "page3.png");

  sheet.show_page(CKorPropertySheet::kSpecificationPage);
  auto* specifications =
      qobject_cast<CPage3*>(sheet.created_page(CKorPropertySheet::kSpecificationPage));
  dialogs.on_dialog = [](QDialog& dialog) {
    static_cast<SpecificationDialog&>(dialog).name_edit().setText("a1");
    return zor::test::press_ok(dialog);
  };
  specifications->new_specification();
  save(sheet, "page4.png");

  ElementDialog element(ElementDialog::Mode::kModify, "Vr", "a,o,u,U,i,O,e",
                        "A:,a,o,u,U,i,E:,O,e,o:,u:,U:,i:,O:");
  save(element, "element_dialog.png");

  zor::SpecificationChoices choices{labels->label_tree().sound_inventory(),
                                    labels->label_tree().label_names(),
                                    connections->connections().connection_texts()};
  SpecificationDialog dialog(SpecificationDialog::Mode::kNew, choices,
                             zor::default_specification_form(choices));
  save(dialog, "specification_dialog.png");
}

}  // namespace
