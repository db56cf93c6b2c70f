#include "wizard/page1.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QVBoxLayout>

#include "controls/icon_button.h"
#include "controls/icon_paths.h"
#include "controls/play_wav.h"
#include "controls/sortable_list.h"
#include "controls/wav_reader.h"
#include "platform/encoding.h"
#include "platform/paths.h"
#include "wizard/annotation_dialog.h"
#include "wizard/kor_property_sheet.h"
#include "wizard/page1_texts.h"
#include "wizard/page_buttons.h"
#include "wizard/user_dialogs.h"

namespace {

QString gui_text(const std::string& cp1250) { return QString::fromStdString(zor::from_cp1250(cp1250)); }
std::string cp1250_text(const QString& text) { return zor::to_cp1250(text.toStdString()); }

void warn(QWidget* page, const QString& text) {
  zor::gui::user_dialogs().show_message(
      page, {zor::gui::BoxIcon::warning, page->window()->windowTitle(), text});
}

// The first character of the system's digit-group separator, "," when it has
// none that Windows-1250 can hold.
char thousands_separator() {
  QString separator = QLocale::system().groupSeparator();
  if (separator.isEmpty()) return ',';
  std::string byte = cp1250_text(separator.left(1));
  return byte.size() == 1 && (byte[0] != '?' || separator[0] == QLatin1Char('?')) ? byte[0] : ',';
}

QPushButton* command_button(const char* text, const char* name) {
  auto* button = new QPushButton(QString::fromUtf8(text));
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  button->setMinimumWidth(80);
  return button;
}

}  // namespace

CPage1::CPage1(CKorPropertySheet* sheet, QWidget* parent)
    : QWidget(parent),
      sheet_(sheet),
      list_(new CSortableList),
      information_(new QLabel(QStringLiteral(" "))) {
  QPushButton* add_directory = command_button("Könyvtár", "add_directory");
  QPushButton* add_files = command_button("Állomány", "add_files");
  QPushButton* delete_selected = command_button("Kiválasztott", "delete_selected");
  QPushButton* delete_all = command_button("Mind", "delete_all");
  QPushButton* play = command_button("Lejátszás", "play");
  QPushButton* textgrid = command_button("Beállítások", "textgrid_settings");
  play->setMinimumWidth(0);

  list_->setObjectName(QStringLiteral("wav_list"));
  list_->setHeaderLabels({QStringLiteral("Név"), QStringLiteral("Könyvtár"),
                          QStringLiteral("Méret"), QString::fromUtf8("Utolsó módosítás")});
  const int widths[] = {100, 250, 70, 110};
  int all_columns = 0;
  for (int column = 0; column < 4; ++column) {
    list_->setColumnWidth(column, widths[column]);
    all_columns += widths[column];
  }
  // Room for every column beside the scroll bar, so no column starts hidden.
  list_->setMinimumWidth(all_columns + 2 * list_->frameWidth() +
                         list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4);
  if (list_->SetColumnKinds({zor::kKindText, zor::kKindText, zor::kKindText, zor::kKindDate}))
    list_->EnableSorting(true);
  list_->SetHighlightMode(CSortableList::kHighlightRow);
  list_->SetHeaderDragReorder(false);

  information_->setObjectName(QStringLiteral("information_line"));
  information_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  information_->setTextFormat(Qt::PlainText);
  information_->setWordWrap(false);
  // A long line is cut at the frame instead of widening the page.
  information_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  information_->setMinimumHeight(play->sizeHint().height());

  zor::icons::ensure_loaded();
  auto* next_page = new CIconButton;
  next_page->setObjectName(QStringLiteral("next_page"));
  next_page->SetIcons(QLatin1String(zor::icons::kNextPageHot), QLatin1String(zor::icons::kNextPage));
  next_page->SetBorderShown(false);
  next_page->SetHintText(QString::fromUtf8("Következő lap"));
  next_page->setDefault(true);

  auto* commands = new QHBoxLayout;
  commands->addWidget(button_group(QString::fromUtf8("Hozzáadás"), Qt::Horizontal, {add_directory, add_files}));
  commands->addWidget(button_group(QString::fromUtf8("Törlés"), Qt::Horizontal, {delete_selected, delete_all}));
  commands->addWidget(button_group(QStringLiteral("TextGrid"), Qt::Horizontal, {textgrid}));
  commands->addStretch();
  auto* playing = new QHBoxLayout;
  playing->addWidget(play);
  playing->addWidget(information_, 1);

  auto* frame = new QGroupBox;
  auto* framed = new QVBoxLayout(frame);
  framed->addLayout(commands);
  framed->addWidget(list_, 1);
  framed->addLayout(playing);
  auto* navigation = new QHBoxLayout;
  navigation->addStretch();
  navigation->addWidget(next_page);
  auto* page = new QVBoxLayout(this);
  page->addWidget(frame, 1);
  page->addLayout(navigation);

  connect(add_directory, &QPushButton::clicked, this, &CPage1::add_directory_tree);
  connect(add_files, &QPushButton::clicked, this, &CPage1::add_files);
  connect(delete_selected, &QPushButton::clicked, this, &CPage1::delete_selected);
  connect(delete_all, &QPushButton::clicked, this, &CPage1::delete_all);
  connect(play, &QPushButton::clicked, this, &CPage1::play_selected);
  connect(textgrid, &QPushButton::clicked, this, &CPage1::edit_annotation_settings);
  connect(next_page, &QPushButton::clicked, this, [this] {
    if (sheet_) sheet_->show_page(CKorPropertySheet::kLabelPage);
  });
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &CPage1::update_information_line);
}

QString CPage1::information_line() const { return information_->text(); }

void CPage1::edit_annotation_settings() {
  QSettings settings;
  CAnnotationDialog dialog(zor::gui::AnnotationSettings::load(settings), this);
  if (zor::gui::user_dialogs().run_dialog(dialog)) dialog.settings().save(settings);
}

std::vector<zor::Recording> CPage1::recordings() const {
  std::vector<zor::Recording> recordings;
  recordings.reserve(static_cast<size_t>(list_->topLevelItemCount()));
  for (int row = 0; row < list_->topLevelItemCount(); ++row) {
    const QTreeWidgetItem* item = list_->topLevelItem(row);
    recordings.push_back({cp1250_text(item->text(kNameColumn)), cp1250_text(item->text(kDirectoryColumn))});
  }
  return recordings;
}

void CPage1::add_recording_paths(const QStringList& native_paths) {
  for (const QString& native : native_paths) {
    std::string path = cp1250_text(QDir::toNativeSeparators(native));
    add_entry(zor::file_name_part(path), zor::directory_part(path), QFileInfo(native));
  }
}

void CPage1::add_entry(const std::string& name, const std::string& directory, const QFileInfo& status) {
  // The entry counter is the row count: the next entry goes to the end,
  // whatever sorting the user did.
  int counter = list_->topLevelItemCount();
  auto* item = new QTreeWidgetItem;
  item->setText(kNameColumn, gui_text(name));
  item->setData(kNameColumn, Qt::UserRole, counter);
  item->setText(kDirectoryColumn, gui_text(directory));
  // A file that is gone meanwhile is listed all the same, without size and date.
  if (status.exists()) {
    item->setText(kSizeColumn,
                  gui_text(zor::size_text(static_cast<std::uint64_t>(status.size()), thousands_separator())));
    QDateTime modified = status.lastModified().toLocalTime();
    QDate date = modified.date();
    QTime time = modified.time();
    item->setText(kDateColumn, gui_text(zor::date_text(date.year(), date.month(), date.day(),
                                                       time.hour(), time.minute())));
  }
  list_->addTopLevelItem(item);
  if (counter == 0) list_->setCurrentItem(item);
}

void CPage1::add_directory_tree() {
  QString directory = zor::gui::user_dialogs().choose_directory(this, QString());
  if (directory.isEmpty()) return;
  QSet<QString> visited;
  scan_directory(directory, visited);
}

void CPage1::scan_directory(const QString& directory, QSet<QString>& visited) {
  QDir dir(directory);
  // A folder reached twice (through a link) would repeat its recordings or
  // never end.
  QString canonical = dir.canonicalPath();
  if (canonical.isEmpty() || visited.contains(canonical)) return;
  visited.insert(canonical);

  std::string prefix = zor::with_trailing_separator(cp1250_text(QDir::toNativeSeparators(directory)));
  const QDir::SortFlags by_name = QDir::Name | QDir::IgnoreCase;
  // Only the lower-case extension counts: "B.WAV" stays out.
  for (const QFileInfo& file : dir.entryInfoList(QDir::Files | QDir::Hidden, by_name)) {
    if (file.fileName().endsWith(QLatin1String(".wav"), Qt::CaseSensitive))
      add_entry(cp1250_text(file.fileName()), prefix, file);
  }
  for (const QFileInfo& sub : dir.entryInfoList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, by_name))
    scan_directory(sub.filePath(), visited);
}

void CPage1::add_files() {
  QStringList chosen = zor::gui::user_dialogs().choose_wav_files(this);
  if (chosen.isEmpty()) return;
  std::vector<std::string> paths;
  for (const QString& path : chosen) paths.push_back(cp1250_text(QDir::toNativeSeparators(path)));
  if (!zor::selection_fits(paths)) {
    warn(this, QStringLiteral("Too many files to select"));
    return;
  }
  add_recording_paths(chosen);
}

void CPage1::delete_selected() {
  QList<QTreeWidgetItem*> selected = list_->selectedItems();
  if (selected.isEmpty()) return;
  // All rows out and the kept ones back: one pass, however many go.
  QSet<QTreeWidgetItem*> doomed(selected.begin(), selected.end());
  QList<QTreeWidgetItem*> kept;
  for (QTreeWidgetItem* item : list_->invisibleRootItem()->takeChildren()) {
    if (doomed.contains(item)) {
      delete item;
    } else {
      kept.append(item);
    }
  }
  list_->addTopLevelItems(kept);
  update_information_line();
}

void CPage1::delete_all() {
  list_->clear();
  information_->setText(QString());
}

void CPage1::play_selected() {
  const QTreeWidgetItem* item = list_->first_selected_item();
  if (!item) return;
  if (zor::gui::user_dialogs().play_wav(full_path(item)) == kPlayWavPlayFailed)
    warn(this, QStringLiteral("most"));
}

std::string CPage1::full_path(const QTreeWidgetItem* item) const {
  return cp1250_text(item->text(kDirectoryColumn)) + cp1250_text(item->text(kNameColumn));
}

void CPage1::update_information_line() {
  std::string text = " ";
  if (const QTreeWidgetItem* item = list_->first_selected_item()) {
    WavReader reader;
    if (reader.Open(full_path(item)) == zor::kWavOk) {
      text = zor::info_line(cp1250_text(item->text(kNameColumn)),
                            {reader.Seconds(), reader.FrameCount(), reader.SampleRate(),
                             reader.BitsPerSample(), reader.Channels()});
    }
    reader.Close();
  }
  information_->setText(gui_text(text));
}
