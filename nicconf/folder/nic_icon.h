#pragma once
// A printer item's icon: the menu library's picture of its model in the
// colours of its state.

#include <shlobj.h>

#include "nicproto/printer_record.h"

HRESULT CreateNicIcon(const nic::PrinterRecord& record, REFIID riid, void** out);
