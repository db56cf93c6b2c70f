// A session in which every input is made with the pages' own controls, as a
// user makes it: the connections, the specifications in their dialog, the
// files saved from the pages; the batch run reading those files must write
// what the wizard wrote.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <sstream>

#include "platform/encoding.h"
#include "wizard/page2.h"
#include "wizard/page23.h"
#include "wizard/page3.h"
#include "wizard/wizard_session.h"

namespace {

using Play = std::function<void(SpecificationDialog&)>;

void click(QWidget& parent, const char* object_name) {
  auto* button = parent.findChild<QAbstractButton*>(object_name);
  ASSERT_NE(button, nullptr) << object_name;
  QTest::mouseClick(button, Qt::LeftButton);
}

void pick(QComboBox& list, const QString& entry) {
  int index = list.findText(entry, Qt::MatchExactly);
  ASSERT_NE(index, -1) << entry.toStdString() << " is not in " << list.objectName().toStdString();
  list.setCurrentIndex(index);
}

void pick(QWidget& parent, const char* object_name, const QString& entry) {
  auto* list = parent.findChild<QComboBox*>(object_name);
  ASSERT_NE(list, nullptr) << object_name;
  pick(*list, entry);
}

// Key by key, as typed on a Hungarian keyboard: QTest::keyClicks knows ASCII only.
void type(QLineEdit& edit, const QString& text) {
  edit.selectAll();
  for (QChar letter : text)
    QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(letter), Qt::NoModifier);
}

struct ResultLine {
  std::string name, type;
  int count = 0;
};

// The lines of the result table after its header.
std::vector<ResultLine> result_lines(const std::string& bytes) {
  std::vector<ResultLine> lines;
  std::istringstream in(bytes);
  std::string line;
  std::getline(in, line);
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    ResultLine result;
    std::string count;
    std::getline(fields, result.name, '\t');
    std::getline(fields, result.type, '\t');
    std::getline(fields, count, '\t');
    result.count = std::stoi(count);
    lines.push_back(result);
  }
  return lines;
}

class WizardWhole : public zor::test::WizardSession {
 protected:
  void SetUp() override {
    // The folder the program starts in, where page 3 looks for the last
    // session's connections and where this session's files are saved.
    previous_folder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(inputs.path().string())));
    WizardSession::SetUp();
  }
  void TearDown() override { QDir::setCurrent(previous_folder); }

  template <class Page>
  Page& show(int index) {
    sheet.show_page(index);
    return *qobject_cast<Page*>(sheet.created_page(index));
  }

  void add_connection(CPage23& page, const QString& first, const QString& second,
                      const QString& third) {
    pick(page.choice_list(0), first);
    pick(page.choice_list(1), second);
    pick(page.choice_list(2), third);
    click(page, "add");
  }

  // "Új spec." with the dialog run modally: `play` sets its controls, then
  // OK is clicked. A dialog that OK leaves open is cancelled, so that a
  // refusal fails the test instead of hanging it.
  void new_specification(CPage3& page, Play play) {
    dialogs.on_dialog = [play](QDialog& dialog) {
      QTimer::singleShot(0, &dialog, [&dialog, play] {
        play(static_cast<SpecificationDialog&>(dialog));
        click(dialog, "ok");
        if (dialog.isVisible()) {
          ADD_FAILURE() << "OK did not close " << dialog.windowTitle().toStdString();
          dialog.reject();
        }
      });
      return dialog.exec() == QDialog::Accepted;
    };
    click(page, "new");
  }

  // "Mentés fájlba" of the page, answering the file dialog with `name`;
  // the file's native path.
  std::string save(QWidget& page, const char* name) {
    std::string path = inputs.file(name);
    dialogs.file_answers = {zor::from_native_file_name(path)};
    click(page, "save");
    return path;
  }

  zor::test::ScratchDir inputs;
  QString previous_folder;
};

TEST_F(WizardWhole, InputsMadeOnThePagesGiveTheBatchRunTheSameFiles) {
  const QString any = QStringLiteral("<BARMI>");
  auto& links = show<CPage23>(CKorPropertySheet::kConnectionPage);
  ASSERT_EQ(links.connections().count(), 0u);
  add_connection(links, any, any, any);
  add_connection(links, QStringLiteral("C"), QStringLiteral("V"), any);
  ASSERT_EQ(links.connections().connection_texts(),
            (std::vector<std::string>{"<BARMI>;<BARMI>;<BARMI>", "C;V;<BARMI>"}));

  auto& specs = show<CPage3>(CKorPropertySheet::kSpecificationPage);
  new_specification(specs, [](SpecificationDialog& dialog) {
    type(dialog.name_edit(), QStringLiteral("a, utána CV"));
    pick(dialog, "sound", QStringLiteral("a"));
    pick(dialog, "after", QStringLiteral("C;V;<BARMI>"));
  });
  new_specification(specs, [](SpecificationDialog& dialog) {
    type(dialog.name_edit(), QString::fromUtf8("magánhangzók a szó végén"));
    pick(dialog, "sound", QStringLiteral("<V>"));
    pick(dialog, "word_position", QStringLiteral("UTOLSO"));
  });
  new_specification(specs, [](SpecificationDialog& dialog) {
    type(dialog.name_edit(), QStringLiteral("CV"));
    pick(dialog, "sound", QStringLiteral("[C;V;<BARMI>]"));
  });
  new_specification(specs, [](SpecificationDialog& dialog) {
    click(dialog, "type_sz");
    type(dialog.name_edit(), QString::fromUtf8("többszótagú szavak a mondat belsejében"));
    type(dialog.number_edit(), QStringLiteral("1"));
    pick(dialog, "sentence_position", QStringLiteral("BELSO"));
  });
  EXPECT_EQ(dialogs.dialogs_run, 4);
  EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text.toStdString();
  ASSERT_EQ(specs.specifications().count(), 4u);
  std::vector<std::string> names, sounds;
  for (const zor::Specification& record : specs.specifications().rows()) {
    names.push_back(record[zor::kSpecName]);
    sounds.push_back(record[zor::kSpecSound]);
  }
  EXPECT_EQ(names[1], zor::to_cp1250("magánhangzók a szó végén"));
  EXPECT_EQ(sounds, (std::vector<std::string>{"a", "<V>", "[C;V;<BARMI>]", ""}));
  EXPECT_EQ(specs.specifications().row(0)[zor::kSpecAfter], "C;V;<BARMI>");
  EXPECT_EQ(specs.specifications().row(3)[zor::kSpecSyllableCount], "> 1");

  std::string specs_file = save(specs, "specifikaciok.txt");
  std::string links_file =
      save(show<CPage23>(CKorPropertySheet::kConnectionPage), "hangkapcsolatok.txt");
  std::string labels_file = save(show<CPage2>(CKorPropertySheet::kLabelPage), "hangcimkek.txt");
  EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text.toStdString();
  // The batch run takes connections only inside the specifications: the
  // file is for the next session of the wizard.
  EXPECT_EQ(zor::test::read_bytes(links_file),
            "<BARMI>\t<BARMI>\t<BARMI>\r\nC\tV\t<BARMI>\r\n");

  show_output_page();
  run_from_page_five();
  EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text.toStdString();
  std::vector<ResultLine> results =
      result_lines(zor::test::read_bytes(output.path() / "output_result.txt"));
  ASSERT_EQ(results.size(), names.size());
  for (size_t index = 0; index < results.size(); ++index) {
    SCOPED_TRACE(names[index]);
    EXPECT_EQ(results[index].name, names[index]);
    EXPECT_GT(results[index].count, 0);
  }
  EXPECT_EQ(results[3].type, "SZ");

  ASSERT_NO_FATAL_FAILURE(run_batch(
      {QStringLiteral("--specs"), QString::fromStdString(specs_file), QStringLiteral("--labels"),
       QString::fromStdString(labels_file)}));
  expect_the_batch_run_wrote_the_same();
}

}  // namespace
