#pragma once
// Everything the wizard asks of the user, and hands to the desktop, outside
// its own windows: Yes/No questions and messages, the folder and file
// choosers, its modal dialogs, the desktop's viewer and playback. The
// wizard asks through user_dialogs(), so a test can answer in place of the
// user and nothing ever blocks, opens or plays.
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>

struct PcmClip;
class QDialog;
class QMessageBox;
class QWidget;

namespace zor::gui {

enum class BoxIcon { information, warning, question };

// What a message box shows; the caption goes to the title bar as it is.
struct Box {
  BoxIcon icon;
  QString caption;
  QString text;
  friend bool operator==(const Box&, const Box&) = default;
};

enum class YesNoButtons {
  // "Igen" and "Nem", whatever translation Qt found, and Yes the default.
  hungarian,
  // Qt's own texts in its translation, and no default of ours.
  standard,
};

class UserDialogs {
 public:
  virtual ~UserDialogs() = default;

  // True only for Yes.
  virtual bool ask_yes_no(QWidget* parent, const Box& question, YesNoButtons buttons) = 0;
  // A box with an OK button.
  virtual void show_message(QWidget* parent, const Box& message) = 0;

  // The chosen folder, empty when the user cancelled. An empty `start`
  // leaves the first folder shown to Qt.
  virtual QString choose_directory(QWidget* parent, const QString& start) = 0;
  // The chosen WAV files in the dialog's order, empty when the user cancelled.
  virtual QStringList choose_wav_files(QWidget* parent) = 0;
  // A text file to write or to read: its path in Windows-1250, or nothing
  // when the user cancelled. The dialogs start in the program's folder with
  // `default_name` filled in and offer "Txt Fájlok (*.txt)".
  virtual std::optional<std::string> choose_save_file(QWidget* parent, const QString& title,
                                                      const QString& default_name) = 0;
  virtual std::optional<std::string> choose_open_file(QWidget* parent, const QString& title,
                                                      const QString& default_name) = 0;

  // Runs a modal dialog; true when it was closed with OK.
  virtual bool run_dialog(QDialog& dialog) = 0;
  // The desktop's default viewer for the file; nothing is reported.
  virtual void open_document(const QString& native_path) = 0;
  // Plays a recording (Windows-1250 path) to its end; a PlayWav result.
  virtual int play_wav(const std::string& cp1250_path) = 0;
  // Plays a piece of a recording to its end; a PlayWav result.
  virtual int play_clip(const PcmClip& clip) = 0;
  // An image file to save a chart in: its path in Windows-1250, ending in
  // ".png" or ".svg", or nothing when the user cancelled.
  virtual std::optional<std::string> choose_image_file(QWidget* parent, const QString& default_name) = 0;
  // Starts a program with arguments (native texts) and leaves it running;
  // false when it cannot be started.
  virtual bool start_program(const QString& program, const QStringList& arguments) = 0;
};

// Qt's dialogs, the desktop's services and PlayWav, unless a test has
// installed others.
UserDialogs& user_dialogs();

// Puts `dialogs` in place for its lifetime; whatever was in place before
// comes back afterwards.
class ScopedUserDialogs {
 public:
  explicit ScopedUserDialogs(UserDialogs& dialogs);
  ~ScopedUserDialogs();
  ScopedUserDialogs(const ScopedUserDialogs&) = delete;
  ScopedUserDialogs& operator=(const ScopedUserDialogs&) = delete;

 private:
  UserDialogs* previous_;
};

// The box the real ask_yes_no shows, not yet shown: for a picture of it.
std::unique_ptr<QMessageBox> make_question_box(QWidget* parent, const Box& question,
                                               YesNoButtons buttons);

}  // namespace zor::gui
