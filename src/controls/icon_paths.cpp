#include "controls/icon_paths.h"

#include <QtGlobal>

static void register_zor_resources() { Q_INIT_RESOURCE(zor); }

namespace zor::icons {

void ensure_loaded() {
  static const bool registered = (register_zor_resources(), true);
  (void)registered;
}

}  // namespace zor::icons
