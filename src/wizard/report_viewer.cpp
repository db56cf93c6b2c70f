#include "wizard/report_viewer.h"

#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/encoding.h"
#include "platform/file_io.h"
#include "wizard/user_dialogs.h"

CReportViewer::CReportViewer(const std::string& path, QWidget* parent)
    : QDialog(parent), path_(path), text_(new QPlainTextEdit) {
  setWindowTitle(QString::fromUtf8("Jelentés – ") + QString::fromStdString(zor::from_cp1250(path)));
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
  text_->setObjectName(QStringLiteral("report_text"));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  std::string bytes;
  if (zor::read_file_bytes(path, bytes, std::uint64_t{1} << 30)) {
    QString shown = QString::fromStdString(zor::from_cp1250(bytes));
    shown.remove(QLatin1Char('\r'));
    text_->setPlainText(shown);
  } else {
    text_->setPlainText(QString::fromUtf8("A jelentés nem olvasható."));
  }
  auto* external = new QPushButton(QString::fromUtf8("Megnyitás külső nézőben"));
  external->setObjectName(QStringLiteral("open_externally"));
  external->setAutoDefault(false);
  auto* close = new QPushButton(QString::fromUtf8("Bezár"));
  close->setObjectName(QStringLiteral("close"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(external);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_, 1);
  layout->addLayout(buttons);
  resize(900, 640);
  connect(external, &QPushButton::clicked, this, [this] {
    zor::gui::user_dialogs().open_document(QFile::decodeName(zor::native_file_name(path_).c_str()));
  });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
}
