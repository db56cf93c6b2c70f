#pragma once
// The progress pop-up of a run: a text area, a bar, a Cancel button and the
// share of finished work in the title. While modal it disables the wizard;
// the run keeps the interface alive by calling PumpMessages between steps.
#include <QPointer>
#include <QWidget>
#include <string>

#include "platform/run_host.h"

class QLabel;
class QProgressBar;
class QPushButton;

class CProgressWindow : public QWidget, public zor::ProgressWindow {
  Q_OBJECT

 public:
  // main_window: the window disabled while modal and centred on (the
  // wizard sheet); title in Windows-1250.
  CProgressWindow(QWidget* main_window, const std::string& title, bool smooth = false);
  ~CProgressWindow() override;

  bool Create(const std::string& title, bool smooth);
  bool BeginModal(const std::string& title) override;
  void SetRange(int lower, int upper, int step) override;
  int SetPos(int new_position);
  int StepIt() override;
  void PumpMessages(bool cancel_on_escape) override;
  void SetText(const std::string& text) override;
  bool IsCancelled() const override { return cancelled_; }
  void Close() override;
  void OnCancel();

  // Whether the window is there (a cancel while modal or Close removes it).
  bool exists() const { return exists_; }
  QString text() const;
  QPushButton* cancel_button() const { return cancel_button_; }
  QProgressBar* bar() const { return bar_; }

  static constexpr int kWidth = 390;
  static constexpr int kHeight = 130;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void lay_out(int text_lines, int width);
  void restore_position();
  void save_position();
  void centre_on_main_window();
  void show_if_hidden();
  int percentage(int position) const;

  QPointer<QWidget> main_window_;
  bool exists_ = false;
  bool cancelled_ = false;
  bool modal_ = false;
  bool persistent_position_ = true;
  bool cancel_on_escape_ = false;
  int bar_position_ = 0;
  int last_percent_ = 0;
  int step_ = 1;
  int upper_ = 100;
  int lower_ = 0;
  int text_lines_ = 4;
  QString title_ = QStringLiteral("Progress");
  QString cancel_label_ = QStringLiteral(" Cancel ");
  QLabel* text_ = nullptr;
  QProgressBar* bar_ = nullptr;
  QPushButton* cancel_button_ = nullptr;
};
