#pragma once
// The readable report inside the program: decoded from Windows-1250 (which
// many Linux viewers show garbled) in a fixed-width font, with a button that
// still hands the file to the desktop's viewer.
#include <QDialog>
#include <string>

class QPlainTextEdit;

class CReportViewer : public QDialog {
  Q_OBJECT

 public:
  // `path` in Windows-1250.
  CReportViewer(const std::string& path, QWidget* parent = nullptr);
  QPlainTextEdit* text() const { return text_; }

 private:
  std::string path_;
  QPlainTextEdit* text_;
};
