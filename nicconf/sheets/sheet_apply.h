#pragma once
// The sheet's OK: every created page checked, the write built from what
// changed, the printer read again to see whether it is busy, the write sent,
// and the written image taken as the new baseline.

#include "nicconf/sheets/sheet_state.h"

namespace nic::sheets {

// False keeps the sheet open (a page refused, the busy read or the write
// failed or was given up).
bool ApplySheet(SheetState& sheet);

}  // namespace nic::sheets
