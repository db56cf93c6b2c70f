#pragma once
#include <QString>

namespace zor::gui {

// Saves a PNG of every wizard page and dialog into the folder; the exit
// status of the program (0 when every picture was written).
int save_screenshots(const QString& folder);

}  // namespace zor::gui
