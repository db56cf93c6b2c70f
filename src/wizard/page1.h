#pragma once
// Page 1, "1. Bemeneti fájlok": the recordings to convert, in display order.
// The list control is the store: what it shows, from the top, is what the
// conversion reads.
#include <QSet>
#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

#include "conversion/conversion_run.h"

class CKorPropertySheet;
class CSortableList;
class QFileInfo;
class QLabel;
class QTreeWidgetItem;

class CPage1 : public QWidget {
  Q_OBJECT

 public:
  enum Column { kNameColumn = 0, kDirectoryColumn, kSizeColumn, kDateColumn };

  explicit CPage1(CKorPropertySheet* sheet, QWidget* parent = nullptr);

  // The listed recordings in the order the list shows them: what the
  // conversion reads.
  std::vector<zor::Recording> recordings() const;
  // Adds WAV files (native paths) at the end of the list, as the file
  // dialog of "Állomány" does.
  void add_recording_paths(const QStringList& native_paths);

  CSortableList* wav_list() const { return list_; }
  QString information_line() const;

 private:
  void add_directory_tree();
  void add_files();
  void delete_selected();
  void delete_all();
  void play_selected();
  // "Beállítások" of the TextGrid group: tiers and symbols of TextGrid sets.
  void edit_annotation_settings();
  void update_information_line();

  void scan_directory(const QString& directory, QSet<QString>& visited);
  void add_entry(const std::string& name, const std::string& directory, const QFileInfo& status);
  std::string full_path(const QTreeWidgetItem* item) const;

  CKorPropertySheet* sheet_;
  CSortableList* list_;
  QLabel* information_;
};
