#pragma once
// One open setting sheet: the printer it is for, the settings image the pages
// edit, the baseline it is compared with, and the pages created so far.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "nicconf/sheets/core/nic_settings.h"
#include "nicconf/sheets/core/page_plan.h"
#include "nicconf/exchange/status_poll.h"
#include "nicproto/printer_record.h"
#include "nicproto/status_text.h"

namespace nic::sheets {

struct PageDesign;

struct SheetState {
  PrinterRecord printer{};
  NicSettings image;
  NicSettings baseline;  // as read; a Cancel restores the image from it
  NicFacts facts{};
  StatusRecord status{};  // what the information page shows
  // What the status text gives the picture, the state and the family
  // (family -1 without a status text).
  PrinterPictureInfo summary{};
  std::uint32_t busyTimeoutSeconds = 1;
  HWND sheet = nullptr;
  bool written = false;
  // Pages in the sheet's order, with their window once created.
  struct Page {
    const PageDesign* design;
    HWND window;
  };
  std::vector<Page> pages;
};

}  // namespace nic::sheets
