#pragma once
// The button row of the wizard's own dialogs.
class QDialog;
class QDialogButtonBox;

// "OK" and "Mégsem" (object names "ok" and "cancel"), wired to the dialog's
// accept and reject.
QDialogButtonBox* ok_cancel_buttons(QDialog* dialog);
