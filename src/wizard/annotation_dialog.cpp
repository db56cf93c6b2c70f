#include "wizard/annotation_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/encoding.h"
#include "wizard/dialog_buttons.h"
#include "wizard/user_dialogs.h"

namespace {

// The built-in sets by their place in the list; the last entry is the user's table.
const char* const kSetNames[] = {"zor", "mfa", "sampa"};
constexpr int kOwnTable = 3;

}  // namespace

CAnnotationDialog::CAnnotationDialog(const zor::gui::AnnotationSettings& settings, QWidget* parent)
    : QDialog(parent),
      sound_tier_(new QLineEdit(QString::fromStdString(settings.sound_tier))),
      word_tier_(new QLineEdit(QString::fromStdString(settings.word_tier))),
      symbols_(new QComboBox),
      table_(new QLineEdit),
      browse_(new QPushButton(QString::fromUtf8("Tallózás..."))) {
  setWindowTitle(QString::fromUtf8("TextGrid beállítások"));
  sound_tier_->setObjectName(QStringLiteral("sound_tier"));
  word_tier_->setObjectName(QStringLiteral("word_tier"));
  symbols_->setObjectName(QStringLiteral("symbols"));
  table_->setObjectName(QStringLiteral("symbol_table"));
  browse_->setObjectName(QStringLiteral("browse"));
  browse_->setAutoDefault(false);
  sound_tier_->setPlaceholderText(QString::fromUtf8("phones, MAU vagy „beszélő - phones”"));
  word_tier_->setPlaceholderText(QString::fromUtf8("words, ORT-MAU vagy „beszélő - words”"));
  symbols_->addItems({QString::fromUtf8("ZOR címkék (a, A:, k:, _ ...)"),
                      QString::fromUtf8("MFA, magyar IPA (ɒ, aː, kː ...)"),
                      QString::fromUtf8("SAMPA, WebMAUS (O, a:, k: ...)"),
                      QString::fromUtf8("Saját táblázat (jel TAB címke)")});
  int chosen = kOwnTable;
  for (int i = 0; i < kOwnTable; ++i)
    if (settings.symbols == kSetNames[i]) chosen = i;
  symbols_->setCurrentIndex(chosen);
  if (chosen == kOwnTable) table_->setText(QString::fromStdString(zor::from_cp1250(settings.symbols)));

  auto* table_row = new QHBoxLayout;
  table_row->addWidget(table_, 1);
  table_row->addWidget(browse_);
  auto* form = new QFormLayout;
  form->addRow(QString::fromUtf8("A hangok rétege:"), sound_tier_);
  form->addRow(QString::fromUtf8("A szavak rétege:"), word_tier_);
  form->addRow(QString::fromUtf8("Hangjelölés:"), symbols_);
  form->addRow(QString::fromUtf8("Táblázat:"), table_row);
  auto* note = new QLabel(QString::fromUtf8(
      "Üresen hagyott rétegnév esetén a Montreal Forced Aligner és a WebMAUS saját rétegneveit "
      "keresem. A .TextGrid állományt akkor olvasom, ha a hangfájl mellett nincs .imf és .pit."));
  note->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(note);
  layout->addWidget(ok_cancel_buttons(this));
  setMinimumWidth(460);

  connect(symbols_, &QComboBox::currentIndexChanged, this, &CAnnotationDialog::show_symbol_choice);
  connect(browse_, &QPushButton::clicked, this, &CAnnotationDialog::choose_table);
  show_symbol_choice();
}

zor::gui::AnnotationSettings CAnnotationDialog::settings() const {
  zor::gui::AnnotationSettings chosen;
  chosen.sound_tier = sound_tier_->text().trimmed().toStdString();
  chosen.word_tier = word_tier_->text().trimmed().toStdString();
  const int set = symbols_->currentIndex();
  chosen.symbols = set >= 0 && set < kOwnTable ? std::string(kSetNames[set])
                                               : zor::to_cp1250(table_->text().trimmed().toStdString());
  return chosen;
}

void CAnnotationDialog::show_symbol_choice() {
  const bool own = symbols_->currentIndex() == kOwnTable;
  table_->setEnabled(own);
  browse_->setEnabled(own);
}

void CAnnotationDialog::choose_table() {
  std::optional<std::string> path = zor::gui::user_dialogs().choose_open_file(
      this, QString::fromUtf8("Hangjelölési táblázat"), QString());
  if (path) table_->setText(QString::fromStdString(zor::from_cp1250(*path)));
}

void CAnnotationDialog::accept() {
  std::string reason;
  if (!settings().options(reason)) {
    zor::gui::user_dialogs().show_message(
        this, {zor::gui::BoxIcon::warning, windowTitle(),
               QString::fromUtf8("A hangjelölési táblázat nem használható: ") +
                   QString::fromStdString(zor::from_cp1250(reason))});
    return;
  }
  QDialog::accept();
}
