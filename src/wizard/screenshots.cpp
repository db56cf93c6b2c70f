#include "wizard/screenshots.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <memory>

#include "corpus/table_layout.h"
#include "platform/encoding.h"
#include "platform/file_io.h"
#include "platform/paths.h"
#include "wizard/annotation_dialog.h"
#include "wizard/kor_property_sheet.h"
#include "wizard/page1.h"
#include "wizard/progress_window.h"
#include "wizard/report_viewer.h"
#include "wizard/result_browser.h"
#include "wizard/result_view_dialog.h"
#include "wizard/user_dialogs.h"

namespace zor::gui {
namespace {

bool save(QWidget& widget, const QDir& folder, const QString& name) {
  widget.show();
  QApplication::processEvents();
  return widget.grab().save(folder.filePath(name + QStringLiteral(".png")));
}

// A result table with a few names, so that the viewer shows a filled list.
bool write_sample_result(const QString& folder) {
  std::string table = kResultTable.header_line() +
      "V1\tH\t12\t73\t40;2;2;1\t140;5;2;1\n"
      "hosszu maganhangzok\tH\t7\t143\t96;3;1;1\t201;9;4;2\n"
      "szo eleji szavak\tSZ\t5\t264\t138;1;1;1\t390;4;4;2\n";
  std::string path = from_native_file_name(QFile::encodeName(folder).toStdString()) +
                     kPathSeparator + "output_result.txt";
  return write_file_atomically(path, table);
}

}  // namespace

// The browser on a queried corpus: the first specification, the interval of
// its median and the first hit there selected.
bool save_browser(const QDir& folder, const QString& tables_folder, QWidget* parent) {
  const std::string directory = from_native_file_name(
      QFile::encodeName(QDir(tables_folder).absolutePath() + QDir::separator()).toStdString());
  const OutputNames names = build_output_names(directory, kDefaultBaseName);
  ResultBrowserModel model;
  if (!model.load(names, report_entries(names.result)).empty() || model.specs().empty()) return false;
  CResultBrowser browser(model, parent);
  browser.click_histogram(model.specs().front().statistics.median);
  browser.select_hit_row(0);
  bool saved = save(browser, folder, QStringLiteral("result_browser"));
  browser.hide();
  CReportViewer report(names.report, parent);
  saved &= save(report, folder, QStringLiteral("report_viewer"));
  return saved;
}

int save_screenshots(const QString& folder_path, const QString& recordings_folder,
                     const QString& tables_folder) {
  QDir folder(folder_path);
  if (!folder.mkpath(QStringLiteral("."))) return 1;
  bool saved = true;

  CKorPropertySheet sheet;
  sheet.resize(sheet.sizeHint());
  if (!recordings_folder.isEmpty()) {
    sheet.show_page(CKorPropertySheet::kInputPage);
    QDir recordings(recordings_folder);
    QStringList wavs;
    for (const QString& name :
         recordings.entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name))
      wavs << recordings.filePath(name);
    sheet.created<CPage1>(CKorPropertySheet::kInputPage)->add_recording_paths(wavs);
  }
  for (int page = 0; page < CKorPropertySheet::kPageCount; ++page) {
    sheet.show_page(page);
    saved &= save(sheet, folder, QStringLiteral("page%1").arg(page + 1));
  }

  std::unique_ptr<QMessageBox> exit_question =
      make_question_box(&sheet, CKorPropertySheet::exit_question(), YesNoButtons::hungarian);
  saved &= save(*exit_question, folder, QStringLiteral("exit_question"));
  exit_question->hide();

  CProgressWindow progress(&sheet, to_cp1250("Konverzió"));
  progress.SetRange(1, 4, 1);
  progress.StepIt();
  progress.SetText(to_cp1250("Kis türelmet kérek...\n\n/home/fonetika/korpusz/mondat_0001.wav"));
  saved &= save(progress, folder, QStringLiteral("progress"));
  progress.Close();

  CAnnotationDialog annotation({}, &sheet);
  saved &= save(annotation, folder, QStringLiteral("textgrid_settings"));
  annotation.hide();

  QTemporaryDir results;
  saved &= results.isValid() && write_sample_result(results.path());
  CResultViewDialog viewer(results.path() + QDir::separator(), QStringLiteral("output.txt"),
                           &sheet);
  saved &= save(viewer, folder, QStringLiteral("result_viewer"));
  viewer.hide();
  if (!tables_folder.isEmpty()) saved &= save_browser(folder, tables_folder, &sheet);
  return saved ? 0 : 1;
}

}  // namespace zor::gui
