#pragma once
// The callback the mail settings UI registers before it shows a sheet;
// one for the module, as the UI loads the module for each sheet.

#include "common/dav_ui_entries.h"

namespace rmmui {

void StoreColumnCallback(DavColumnCallback callback);
// Calls the stored callback, if any, with the sheet's item value.
void TellColumn(int item);

}  // namespace rmmui
