#pragma once
// What page 1 asks of the user and the system outside its own widgets: the
// folder and file choosers, message boxes and playback. Tests put a double
// in their place so the page runs without blocking.
#include <QString>
#include <QStringList>
#include <string>

class QWidget;

class Page1Dialogs {
 public:
  virtual ~Page1Dialogs() = default;
  // The chosen folder, empty when the user cancelled.
  virtual QString choose_directory(QWidget* parent) = 0;
  // The chosen files in the dialog's order, empty when the user cancelled.
  virtual QStringList choose_files(QWidget* parent) = 0;
  virtual void show_message(QWidget* parent, const QString& text) = 0;
  // Plays a recording (Windows-1250 path) to its end; a PlayWav result.
  virtual int play(const std::string& path) = 0;
};

// The system's dialogs and PlayWav.
class SystemPage1Dialogs : public Page1Dialogs {
 public:
  QString choose_directory(QWidget* parent) override;
  QStringList choose_files(QWidget* parent) override;
  void show_message(QWidget* parent, const QString& text) override;
  int play(const std::string& path) override;
};
