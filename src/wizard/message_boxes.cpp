#include "wizard/message_boxes.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <memory>

namespace zor::gui {
namespace {

DialogHook* g_hook = nullptr;

QString shown_caption(const QString& caption) {
  return caption.isEmpty() ? QApplication::applicationDisplayName() : caption;
}

// Qt's own translation may be missing; the buttons are Hungarian either way.
void name_buttons(QMessageBox& box) {
  if (QAbstractButton* yes = box.button(QMessageBox::Yes)) yes->setText(QStringLiteral("Igen"));
  if (QAbstractButton* no = box.button(QMessageBox::No)) no->setText(QStringLiteral("Nem"));
  if (QAbstractButton* ok = box.button(QMessageBox::Ok)) ok->setText(QStringLiteral("OK"));
}

}  // namespace

void set_dialog_hook(DialogHook* hook) { g_hook = hook; }

QMessageBox* make_question_box(QWidget* parent, const QString& text, const QString& caption,
                               QuestionIcon icon) {
  auto* box =
      new QMessageBox(icon == QuestionIcon::question ? QMessageBox::Question : QMessageBox::Warning,
                      shown_caption(caption), text, QMessageBox::Yes | QMessageBox::No, parent);
  box->setDefaultButton(QMessageBox::Yes);
  name_buttons(*box);
  return box;
}

bool ask_yes_no(QWidget* parent, const QString& text, const QString& caption, QuestionIcon icon) {
  if (g_hook) return g_hook->answer_yes_no(text, caption);
  std::unique_ptr<QMessageBox> box(make_question_box(parent, text, caption, icon));
  return box->exec() == QMessageBox::Yes;
}

void show_message(QWidget* parent, const QString& text, const QString& caption) {
  if (g_hook) {
    g_hook->acknowledge(text, caption);
    return;
  }
  QMessageBox box(QMessageBox::Warning, shown_caption(caption), text, QMessageBox::Ok, parent);
  name_buttons(box);
  box.exec();
}

void open_document(const QString& native_path) {
  if (g_hook) {
    g_hook->open_document(native_path);
    return;
  }
  QDesktopServices::openUrl(QUrl::fromLocalFile(native_path));
}

}  // namespace zor::gui
