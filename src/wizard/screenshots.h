#pragma once
#include <QString>

namespace zor::gui {

// Saves a PNG of every wizard page and dialog into the folder; the exit
// status of the program (0 when every picture was written). Page 1 lists the
// WAV files of `recordings_folder` when one is given.
int save_screenshots(const QString& folder, const QString& recordings_folder = QString());

}  // namespace zor::gui
