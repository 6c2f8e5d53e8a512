// The click scripts for the browser-automation program.
#include "app/lottozahlen.h"

namespace quorix {

void LottoZahlen::OnlineTippClick() {}

} // namespace quorix
