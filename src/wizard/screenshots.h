#pragma once
#include <QString>

namespace zor::gui {

// Saves a PNG of every wizard page and dialog into the folder; the exit
// status of the program (0 when every picture was written). Page 1 lists the
// WAV files of `recordings_folder` when one is given; with `tables_folder`
// (a converted and queried corpus) the result browser shows its first
// specification with an interval and a hit selected, and the report viewer
// its report.
int save_screenshots(const QString& folder, const QString& recordings_folder = QString(),
                     const QString& tables_folder = QString());

}  // namespace zor::gui
