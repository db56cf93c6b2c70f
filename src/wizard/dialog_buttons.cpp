#include "wizard/dialog_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

QDialogButtonBox* ok_cancel_buttons(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setObjectName("ok");
  buttons->addButton(QString::fromUtf8("Mégsem"), QDialogButtonBox::RejectRole)
      ->setObjectName("cancel");
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}
