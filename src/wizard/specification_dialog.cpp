#include "wizard/specification_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/encoding.h"
#include "wizard/dialog_buttons.h"
#include "wizard/page234_field_text.h"

namespace {

QString shown(const std::string& cp1250) { return QString::fromStdString(zor::from_cp1250(cp1250)); }

QComboBox* drop_down(const char* object_name, const std::vector<std::string>& entries) {
  auto* combo = new QComboBox;
  combo->setObjectName(object_name);
  combo->setEditable(false);
  combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  combo->setMinimumContentsLength(6);
  for (const std::string& entry : entries) combo->addItem(shown(entry));
  return combo;
}

QLineEdit* line_edit(const char* object_name) {
  auto* edit = new QLineEdit;
  edit->setObjectName(object_name);
  zor::keep_line_breaks_out(*edit);
  return edit;
}

QLabel* label(const char* utf8) { return new QLabel(QString::fromUtf8(utf8)); }

const char* caption_of(SpecificationDialog::Mode mode) {
  switch (mode) {
    case SpecificationDialog::Mode::kCopy: return "Másolat készítése a specifikációról";
    case SpecificationDialog::Mode::kModify: return "Specifikáció módosítása";
    default: return "Új specifikáció meghatározása";
  }
}

}  // namespace

SpecificationDialog::SpecificationDialog(Mode mode, zor::SpecificationChoices choices,
                                         const zor::SpecificationForm& form, QWidget* parent)
    : QDialog(parent), choices_(std::move(choices)) {
  setWindowTitle(QString::fromUtf8(caption_of(mode)));

  sound_type_ = new QRadioButton(QString::fromUtf8("Hangra vonatkozó (H)"));
  sound_type_->setObjectName("type_h");
  word_type_ = new QRadioButton(QString::fromUtf8("Szóra vonatkozó (SZ)"));
  word_type_->setObjectName("type_sz");
  auto* types = new QButtonGroup(this);
  types->addButton(sound_type_);
  types->addButton(word_type_);
  auto* type_row = new QHBoxLayout;
  type_row->addWidget(label("Specifikáció típusa:"));
  type_row->addWidget(sound_type_);
  type_row->addWidget(word_type_);
  type_row->addStretch();

  name_ = line_edit("name");
  syllable_operator_ = drop_down("syllable_operator", zor::syllable_operators());
  syllable_operator_->setMinimumContentsLength(2);
  number_ = line_edit("syllable_number");
  a_count_ = drop_down("a_count", zor::count_values());
  e_count_ = drop_down("e_count", zor::count_values());
  other_long_count_ = drop_down("other_long_count", zor::other_long_values());
  auto* common = new QGroupBox(QString::fromUtf8("Közös jellemzők"));
  auto* common_grid = new QGridLayout(common);
  common_grid->addWidget(label("Specifikáció neve:"), 0, 0);
  common_grid->addWidget(name_, 0, 1, 1, 3);
  common_grid->addWidget(label("Szótagszám:"), 1, 0);
  common_grid->addWidget(syllable_operator_, 1, 1);
  common_grid->addWidget(number_, 1, 2, 1, 2);
  common_grid->addWidget(label("A:-k száma"), 2, 0);
  common_grid->addWidget(a_count_, 2, 1, 1, 2);
  common_grid->addWidget(label("E:-k száma"), 3, 0);
  common_grid->addWidget(e_count_, 3, 1, 1, 2);
  common_grid->addWidget(label("egyéb hosszú mgh-k száma"), 4, 0);
  common_grid->addWidget(other_long_count_, 4, 1, 1, 2);

  before_ = drop_down("before", choices_.connections);
  sound_ = drop_down("sound", choices_.sound_entries());
  after_ = drop_down("after", choices_.connections);
  // Connection texts are shown whole: they differ mostly at their ends.
  for (QComboBox* context : {before_, sound_, after_})
    context->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  word_position_ = drop_down("word_position", zor::word_positions());
  sound_only_ = new QGroupBox(QString::fromUtf8("Csak hangra vonatkozó jellemzők"));
  sound_only_->setObjectName("sound_only");
  auto* sound_grid = new QGridLayout(sound_only_);
  sound_grid->addWidget(label("Előtte"), 0, 0);
  sound_grid->addWidget(label("Hang"), 0, 1);
  sound_grid->addWidget(label("Utána"), 0, 2);
  sound_grid->addWidget(before_, 1, 0);
  sound_grid->addWidget(sound_, 1, 1);
  sound_grid->addWidget(after_, 1, 2);
  sound_grid->addWidget(label("Pozíció a szóban:"), 2, 0);
  sound_grid->addWidget(word_position_, 2, 1);

  sentence_position_ = drop_down("sentence_position", zor::sentence_positions());
  text_word_ = new QCheckBox(QString::fromUtf8("Szövegszó"));
  text_word_->setObjectName("text_word");
  word_only_ = new QGroupBox(QString::fromUtf8("Csak szóra vonatkozó jellemzők"));
  word_only_->setObjectName("word_only");
  auto* word_grid = new QGridLayout(word_only_);
  word_grid->addWidget(label("Pozíció a mondatban:"), 0, 0);
  word_grid->addWidget(sentence_position_, 0, 1);
  word_grid->addWidget(text_word_, 1, 0);
  word_grid->setColumnStretch(2, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(type_row);
  layout->addWidget(common);
  layout->addWidget(sound_only_);
  layout->addWidget(word_only_);
  layout->addWidget(ok_cancel_buttons(this));

  connect(sound_type_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) choose_type(true);
  });
  connect(word_type_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) choose_type(false);
  });
  set_form(form);
}

zor::SpecificationForm SpecificationDialog::form() const {
  zor::SpecificationForm form;
  form.sound_type = sound_type_->isChecked();
  form.name = zor::edit_text(*name_);
  form.syllable_operator = syllable_operator_->currentIndex();
  form.syllable_number = zor::edit_text(*number_);
  form.a_count = a_count_->currentIndex();
  form.e_count = e_count_->currentIndex();
  form.other_long_count = other_long_count_->currentIndex();
  form.before = before_->currentIndex();
  form.sound = sound_->currentIndex();
  form.after = after_->currentIndex();
  form.word_position = word_position_->currentIndex();
  form.sentence_position = sentence_position_->currentIndex();
  form.text_word = text_word_->isChecked();
  return form;
}

void SpecificationDialog::set_form(const zor::SpecificationForm& form) {
  (form.sound_type ? sound_type_ : word_type_)->setChecked(true);
  name_->setText(shown(form.name));
  syllable_operator_->setCurrentIndex(form.syllable_operator);
  number_->setText(shown(form.syllable_number));
  a_count_->setCurrentIndex(form.a_count);
  e_count_->setCurrentIndex(form.e_count);
  other_long_count_->setCurrentIndex(form.other_long_count);
  before_->setCurrentIndex(form.before);
  sound_->setCurrentIndex(form.sound);
  after_->setCurrentIndex(form.after);
  word_position_->setCurrentIndex(form.word_position);
  sentence_position_->setCurrentIndex(form.sentence_position);
  text_word_->setChecked(form.text_word);
  choose_type(form.sound_type);
}

zor::Specification SpecificationDialog::record() const {
  return zor::build_specification(form(), choices_);
}

void SpecificationDialog::choose_type(bool sound_type) {
  sound_only_->setEnabled(sound_type);
  word_only_->setEnabled(!sound_type);
}

void SpecificationDialog::accept() {
  if (zor::trimmed_blanks(zor::edit_text(*name_)).empty()) {
    name_->setFocus();
    return;
  }
  if (zor::trimmed_blanks(zor::edit_text(*number_)).empty()) {
    number_->setFocus();
    return;
  }
  QDialog::accept();
}
