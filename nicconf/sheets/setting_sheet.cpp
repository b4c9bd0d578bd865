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
#include "nicproto/mac_text.h"

namespace nic::sheets {
namespace {

constexpr std::uint8_t kReadConfig = 2;
constexpr std::uint8_t kPowerOffCommand = 16;

bool ReadNic(HWND owner, SheetState& sheet) {
  NicRead read;
  if (!ReadNicWithRetry(owner, sheet.printer, sheet.busyTimeoutSeconds, read)) return false;
  sheet.image = read.image;
  sheet.baseline = read.image;
  sheet.status = read.status;
  sheet.facts = read.facts;
  sheet.summary = read.summary;
  return true;
}

}  // namespace

bool ReadNicWithRetry(HWND owner, PrinterRecord& printer, std::uint32_t busyTimeoutSeconds, NicRead& read) {
  FlowJob job;
  job.use = FlowUse::ReadRetry;
  job.printer = printer;
  job.busyTimeoutSeconds = busyTimeoutSeconds;
  CommandSlotList slots(1);
  if (std::strcmp(printer.protocol, "TCP/IP") == 0) {
    slots.GetOrCreate(kReadConfig);
    job.slots = &slots;
  }
  FlowOutcome outcome;
  if (!RunFlow(owner, job, outcome)) return false;
  const TransactionBlock& block = outcome.block;
  read.summary = SummaryOfRead(block);
  RefreshRecordFromRead(printer, block, read.summary);
  const CommandSlot* config = outcome.slots ? outcome.slots->FindAnswered(kReadConfig) : nullptr;
  read.image = SettingsFromReply(block.attrReplied ? &block.attributes : nullptr,
                                 block.extReplied ? &block.extendedText : nullptr,
                                 config != nullptr ? &config->configItems : nullptr, block.statusReceived != 0);
  read.status = block.status;
  read.facts = FactsOf(read.image, read.summary.family);
  return true;
}

bool OffersRemotePower(const TransactionBlock& block) {
  const NicSettings image = SettingsFromReply(block.attrReplied ? &block.attributes : nullptr, nullptr, nullptr, false);
  const NicFacts facts = FactsOf(image, SummaryOfRead(block).family);
  return facts.commandNic && SupportsRemotePower(facts.description);
}

bool PowerOffNic(HWND owner, const PrinterRecord& printer, std::uint32_t busyTimeoutSeconds) {
  FlowJob job;
  job.use = FlowUse::PowerOff;
  job.printer = printer;
  job.busyTimeoutSeconds = busyTimeoutSeconds;
  Mac mac{};
  if (!ParseMacText(printer.mac, mac)) return false;
  CommandSlotList slots(1);
  CommandSlot* off = slots.GetOrCreate(kPowerOffCommand);
  std::memcpy(off->mac, mac.data(), sizeof off->mac);
  job.slots = &slots;
  FlowOutcome outcome;
  return RunFlow(owner, job, outcome);
}

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
