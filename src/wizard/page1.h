#pragma once
// Page 1, "1. Bemeneti fájlok": the recordings to convert, in display order.
#include <QStringList>
#include <QWidget>
#include <vector>

#include "conversion/conversion_run.h"

class CKorPropertySheet;

class CPage1 : public QWidget {
  Q_OBJECT

 public:
  explicit CPage1(CKorPropertySheet* sheet, QWidget* parent = nullptr);

  // The listed recordings in the order the list shows them: what the
  // conversion reads.
  std::vector<zor::Recording> recordings() const;
  // Adds WAV files (native paths) at the end of the list, as the file
  // dialog of "Állomány" does.
  void add_recording_paths(const QStringList& native_paths);

 private:
  CKorPropertySheet* sheet_;
  std::vector<zor::Recording> recordings_;
};
