#pragma once
// "TextGrid beállítások": which tiers of a TextGrid hold the sounds and the
// words, and how its sounds are spelled. Opened from page 1; OK keeps the
// choice in the application settings.
#include <QDialog>

#include "wizard/annotation_settings.h"

class QComboBox;
class QLineEdit;
class QPushButton;

class CAnnotationDialog : public QDialog {
  Q_OBJECT

 public:
  CAnnotationDialog(const zor::gui::AnnotationSettings& settings, QWidget* parent = nullptr);

  // What the fields say now.
  zor::gui::AnnotationSettings settings() const;

  void accept() override;

 private:
  void show_symbol_choice();
  void choose_table();

  QLineEdit* sound_tier_;
  QLineEdit* word_tier_;
  QComboBox* symbols_;
  QLineEdit* table_;
  QPushButton* browse_;
};
