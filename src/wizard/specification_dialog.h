#pragma once
// "Új specifikáció meghatározása": the dialog in which page 4 creates,
// copies and changes one specification.
#include <QDialog>

#include "wizard/specification_dialog_form.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

class SpecificationDialog : public QDialog {
  Q_OBJECT

 public:
  enum class Mode { kNew, kCopy, kModify };

  // Shows `form`; the "Hang", "Előtte" and "Utána" lists come from `choices`.
  SpecificationDialog(Mode mode, zor::SpecificationChoices choices,
                      const zor::SpecificationForm& form, QWidget* parent = nullptr);

  // The state of the controls; TAB, CR and LF in the edits read as blanks.
  zor::SpecificationForm form() const;
  void set_form(const zor::SpecificationForm& form);
  // The record the dialog's state builds.
  zor::Specification record() const;

  QLineEdit& name_edit() const { return *name_; }
  QLineEdit& number_edit() const { return *number_; }
  QGroupBox& sound_only_group() const { return *sound_only_; }
  QGroupBox& word_only_group() const { return *word_only_; }

 public slots:
  // OK: a name or number of blanks only moves the focus into its edit.
  void accept() override;
  // The radio buttons: H enables the sound-only controls, SZ the word-only ones.
  void choose_type(bool sound_type);

 private:
  zor::SpecificationChoices choices_;
  QRadioButton* sound_type_;
  QRadioButton* word_type_;
  QLineEdit* name_;
  QComboBox* syllable_operator_;
  QLineEdit* number_;
  QComboBox* a_count_;
  QComboBox* e_count_;
  QComboBox* other_long_count_;
  QGroupBox* sound_only_;
  QComboBox* before_;
  QComboBox* sound_;
  QComboBox* after_;
  QComboBox* word_position_;
  QGroupBox* word_only_;
  QComboBox* sentence_position_;
  QCheckBox* text_word_;
};
