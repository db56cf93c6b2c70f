#include "wizard/page5.h"

#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QVBoxLayout>

#include "controls/icon_button.h"
#include "controls/icon_paths.h"
#include "conversion/conversion_run.h"
#include "corpus/label_tree.h"
#include "platform/cache_folder.h"
#include "platform/encoding.h"
#include "platform/paths.h"
#include "platform/run_lock.h"
#include "query/conversion_corpus.h"
#include "query/query_run.h"
#include "wizard/annotation_settings.h"
#include "wizard/gui_host.h"
#include "wizard/kor_property_sheet.h"
#include "wizard/page1.h"
#include "wizard/page2.h"
#include "wizard/page3.h"
#include "wizard/result_view_dialog.h"
#include "wizard/user_dialogs.h"

namespace {

struct OutputFile {
  const char* caption;
  const char* open_hint;
};

const OutputFile kFiles[CPage5::kFileCount] = {
    {"Mondatokkal kapcsolatos információt tartalmazó fájl neve",
     "Mondatokkal kapcsolatos információkat\r\ntartalmazó fájl nyitása"},
    {"Szavakkal kapcsolatos információt tartalmazó fájl neve",
     "Szavakkal kapcsolatos információkat\r\ntartalmazó fájl nyitása"},
    {"Hangokkal kapcsolatos információt tartalmazó fájl neve",
     "Hangokkal kapcsolatos információkat\r\ntartalmazó fájl nyitása"},
    {"A lekérdezés eredménye (átlag, min, max)",
     "A lekérdezés eredményét (átlag, min, max)\r\ntartalmazó fájl nyitása"},
    {"A lekérdezés eredménye (eloszlás)",
     "A lekérdezés eredményét (eloszlás)\r\ntartalmazó fájl nyitása"},
};

// The TextGrid settings of page 1 name a symbol table that cannot be read.
void warn_about_annotation(QWidget* page, const std::string& reason) {
  zor::gui::user_dialogs().show_message(
      page, {zor::gui::BoxIcon::warning, page->window()->windowTitle(),
             QString::fromUtf8("A TextGrid beállítások hangjelölési táblázata nem használható: ") +
                 QString::fromStdString(zor::from_cp1250(reason)) +
                 QString::fromUtf8("\nLapozzon az 1. oldalra!")});
}

QString u8(const char* text) { return QString::fromUtf8(text); }

std::string cp1250_path(const QString& native) {
  return zor::from_native_file_name(QFile::encodeName(native).toStdString());
}

QString shown_path(const std::string& cp1250) {
  return QFile::decodeName(QByteArray::fromStdString(zor::native_file_name(cp1250)));
}

CIconButton* run_button(const char* text, const char* icon) {
  auto* button = new CIconButton(u8(text));
  button->SetIcons(icon);
  button->ShiftColour(CIconButton::kBackgroundHot, 30);
  button->setMinimumSize(156, 42);
  return button;
}

}  // namespace

CPage5::CPage5(CKorPropertySheet* sheet, QWidget* parent)
    : QWidget(parent),
      sheet_(sheet),
      base_(new QLineEdit),
      directory_(new QLineEdit),
      choose_(new QPushButton(QStringLiteral("..."))),
      previous_(new CIconButton) {
  auto* frame = new QGroupBox;
  auto* frame_layout = new QVBoxLayout(frame);

  auto* top = new QGridLayout;
  top->addWidget(new QLabel(u8("Kiinduló fájlnév")), 0, 0);
  top->addWidget(base_, 1, 0);
  top->addWidget(new QLabel(u8("Kimeneti könyvtár meghatározása")), 0, 1, 1, 2);
  directory_->setEnabled(false);
  top->addWidget(directory_, 1, 1);
  choose_->setFixedWidth(28);
  choose_->setAutoDefault(false);
  top->addWidget(choose_, 1, 2);
  top->setColumnStretch(0, 2);
  top->setColumnStretch(1, 3);
  frame_layout->addLayout(top);
  frame_layout->addSpacing(8);

  auto* files = new QGridLayout;
  files->setVerticalSpacing(2);
  for (int file = 0; file < kFileCount; ++file) {
    auto* edit = new QLineEdit;
    edit->setEnabled(false);
    auto* open = new CIconButton;
    open->SetIcons(zor::icons::kOpenFileHot, zor::icons::kOpenFile);
    open->SetBorderShown(false);
    open->SetHintText(u8(kFiles[file].open_hint));
    open->setFixedSize(32, 24);
    name_edits_[static_cast<size_t>(file)] = edit;
    open_buttons_[static_cast<size_t>(file)] = open;
    int row = 2 * file;
    files->addWidget(new QLabel(u8(kFiles[file].caption)), row, 1);
    files->addWidget(new QLabel(QStringLiteral("%1.").arg(file + 1)), row + 1, 0);
    files->addWidget(edit, row + 1, 1);
    files->addWidget(open, row + 1, 2);
    if (file + 1 < kFileCount) files->setRowMinimumHeight(row + 1, 30);
    connect(open, &QPushButton::clicked, this, [this, file] { open_file(file); });
  }
  files->setColumnStretch(1, 1);
  frame_layout->addLayout(files);
  frame_layout->addSpacing(8);

  auto* runs = new QGroupBox(u8("Feldolgozás"));
  auto* run_row = new QHBoxLayout(runs);
  run_buttons_ = {run_button("1. A konverzió indítása", zor::icons::kRun),
                  run_button("2. A lekérdezés indítása", zor::icons::kRun),
                  run_button("3. Az eredmény megtekintése", zor::icons::kViewResult)};
  for (CIconButton* button : run_buttons_) run_row->addWidget(button);
  frame_layout->addWidget(runs);
  frame_layout->addStretch();

  previous_->SetIcons(zor::icons::kPreviousPageHot, zor::icons::kPreviousPage);
  previous_->SetBorderShown(false);
  previous_->SetHintText(u8("Előző lap"));
  previous_->setFixedSize(34, 30);
  auto* navigation = new QHBoxLayout;
  navigation->addWidget(previous_);
  navigation->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 4, 6, 2);
  layout->addWidget(frame, 1);
  layout->addLayout(navigation);

  connect(base_, &QLineEdit::textChanged, this, &CPage5::rebuild_names);
  connect(choose_, &QPushButton::clicked, this, &CPage5::choose_directory);
  connect(previous_, &QPushButton::clicked, this,
          [this] { sheet_->show_page(CKorPropertySheet::kSpecificationPage); });
  connect(run_buttons_[0], &QPushButton::clicked, this, &CPage5::run_conversion);
  connect(run_buttons_[1], &QPushButton::clicked, this, &CPage5::run_query);
  connect(run_buttons_[2], &QPushButton::clicked, this, &CPage5::show_results);

  std::string program = cp1250_path(QCoreApplication::applicationFilePath());
  directory_->setText(shown_path(zor::default_directory(program)));
  base_->setText(u8("output.txt"));
  rebuild_names();
}

QString CPage5::base_name() const { return base_->text(); }
QString CPage5::directory() const { return directory_->text(); }

void CPage5::set_directory(const QString& native_folder) {
  directory_->setText(shown_path(zor::with_trailing_separator(cp1250_path(native_folder))));
  rebuild_names();
}

zor::OutputNames CPage5::output_names() const {
  zor::OutputNames names =
      zor::build_output_names(cp1250_path(directory_->text()), zor::gui::from_qstring(base_->text()));
  // The runs take what the page shows.
  std::string* shown[kFileCount] = {&names.sentences, &names.words, &names.sounds, &names.result,
                                    &names.result_dev};
  for (int file = 0; file < kFileCount; ++file) {
    *shown[file] = cp1250_path(name_edits_[static_cast<size_t>(file)]->text());
  }
  return names;
}

void CPage5::rebuild_names() {
  zor::OutputNames names =
      zor::build_output_names(cp1250_path(directory_->text()), zor::gui::from_qstring(base_->text()));
  const std::string* built[kFileCount] = {&names.sentences, &names.words, &names.sounds,
                                          &names.result, &names.result_dev};
  for (int file = 0; file < kFileCount; ++file) {
    name_edits_[static_cast<size_t>(file)]->setText(shown_path(*built[file]));
  }
}

void CPage5::choose_directory() {
  QString folder = zor::gui::user_dialogs().choose_directory(this, directory_->text());
  if (!folder.isEmpty()) set_directory(folder);
}

void CPage5::open_file(int file) {
  zor::gui::GuiHost host(this);
  host.open_document(cp1250_path(name_edits_[static_cast<size_t>(file)]->text()));
}

void CPage5::run_conversion() {
  zor::OutputNames names = output_names();
  zor::ConversionInput input;
  if (auto* recordings = sheet_->created<CPage1>(CKorPropertySheet::kInputPage))
    input.recordings = recordings->recordings();
  input.sentences_path = names.sentences;
  input.words_path = names.words;
  input.sounds_path = names.sounds;
  input.lock_path = zor::run_lock_path(names.report);
  std::string reason;
  std::optional<zor::AnnotationOptions> annotation =
      zor::gui::AnnotationSettings::load(QSettings()).options(reason);
  if (!annotation) {
    warn_about_annotation(this, reason);
    return;
  }
  input.annotation = std::move(*annotation);
  // Until page 2 has been shown there is no tree, and the run refuses.
  static const zor::LabelTree kNoTree;
  const zor::LabelTree* tree = label_tree_of(sheet_);
  zor::gui::GuiHost host(this);
  zor::convert_keeping_corpus(names, zor::user_cache_folder(), [&](zor::ByteStream& words, zor::ByteStream& sounds) {
    input.word_copy = &words;
    input.sound_copy = &sounds;
    return zor::run_conversion(input, tree ? *tree : kNoTree, host);
  });
}

void CPage5::run_query() {
  std::vector<zor::Specification> specifications;
  if (auto* page = sheet_->created<CPage3>(CKorPropertySheet::kSpecificationPage))
    specifications = page->specifications().rows();
  zor::gui::GuiHost host(this);
  zor::run_query(specifications, output_names(), host);
}

void CPage5::show_results() {
  CResultViewDialog dialog(directory_->text(), base_->text(), window());
  zor::gui::user_dialogs().run_dialog(dialog);
}
