#include "nicconf/sheets/setting_sheet.h"

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <memory>
#include <vector>

#include "nicconf/folder/folder_messages.h"
#include "common/bounded_text.h"
#include "nicconf/exchange/status_summary.h"
#include "nicconf/folder/module.h"
#include "nicconf/sheets/comm_flow.h"
#include "nicconf/sheets/page_designs.h"

namespace nic::sheets {
namespace {

constexpr std::uint8_t kReadConfig = 2;

bool ReadNic(HWND owner, SheetState& sheet) {
  FlowJob job;
  job.use = FlowUse::ReadRetry;
  job.printer = sheet.printer;
  job.busyTimeoutSeconds = sheet.busyTimeoutSeconds;
  auto slots = std::make_unique<CommandSlotList>(1);
  if (std::strcmp(sheet.printer.protocol, "TCP/IP") == 0) {
    slots->GetOrCreate(kReadConfig);
    job.slots = slots.get();
  }
  FlowOutcome outcome;
  if (!RunFlow(owner, job, outcome)) return false;
  const TransactionBlock& block = outcome.block;
  sheet.summary = SummaryOfRead(block);
  RefreshRecordFromRead(sheet.printer, block, sheet.summary);
  const CommandSlot* config = outcome.slots ? outcome.slots->FindAnswered(kReadConfig) : nullptr;
  sheet.image = SettingsFromReply(block.attrReplied ? &block.attributes : nullptr,
                                  block.extReplied ? &block.extendedText : nullptr,
                                  config != nullptr ? &config->configItems : nullptr,
                                  block.statusReceived != 0);
  sheet.baseline = sheet.image;
  sheet.status = block.status;
  sheet.facts = FactsOf(sheet.image, sheet.summary.family);
  return true;
}

}  // namespace

bool OpenSettingSheet(HWND owner, PrinterRecord& printer, std::uint32_t busyTimeoutSeconds) {
  auto sheet = std::make_unique<SheetState>();
  sheet->printer = printer;
  sheet->busyTimeoutSeconds = busyTimeoutSeconds;
  if (!ReadNic(owner, *sheet)) return false;
  for (const SettingPage page : PagesFor(sheet->facts)) {
    if (const PageDesign* design = DesignOf(page)) sheet->pages.push_back({design, nullptr});
  }
  std::vector<PageParam> params(sheet->pages.size());
  std::vector<PROPSHEETPAGEA> pages(sheet->pages.size());
  for (std::size_t i = 0; i < pages.size(); ++i) {
    params[i] = {sheet.get(), i};
    PROPSHEETPAGEA& p = pages[i];
    p = PROPSHEETPAGEA{};
    p.dwSize = sizeof p;
    // The tab says the page's name even where the dialog's caption differs.
    p.dwFlags = PSP_USETITLE;
    p.pszTitle = LookOf(sheet->pages[i].design->page).caption;
    p.hInstance = FolderInstance();
    p.pszTemplate = MAKEINTRESOURCEA(LookOf(sheet->pages[i].design->page).dialog);
    p.pfnDlgProc = SettingPageProc;
    p.lParam = reinterpret_cast<LPARAM>(&params[i]);
  }
  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
  header.hwndParent = owner;
  header.hInstance = FolderInstance();
  header.pszCaption = sheet->printer.name;
  header.nPages = static_cast<UINT>(pages.size());
  header.ppsp = pages.data();
  PropertySheetA(&header);
  // The refreshed columns stay even when nothing was written; the name
  // changes only with a write.
  printer = sheet->printer;
  return sheet->written;
}

}  // namespace nic::sheets
