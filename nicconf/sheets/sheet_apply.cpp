#include "nicconf/sheets/sheet_apply.h"

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "common/bounded_text.h"
#include "nicconf/folder/folder_messages.h"
#include "nicconf/sheets/comm_flow.h"
#include "nicconf/sheets/core/flow_rules.h"
#include "nicconf/sheets/core/settings_write.h"
#include "nicconf/sheets/page_design.h"

namespace nic::sheets {
namespace {

constexpr std::uint8_t kWriteConfig = 1;
constexpr std::uint8_t kOfflineBit = 0x01;

// The first page that refuses is shown with its message.
bool EveryPageTakesItsFields(SheetState& sheet) {
  for (std::size_t i = 0; i < sheet.pages.size(); ++i) {
    const SheetState::Page& page = sheet.pages[i];
    if (page.window == nullptr || LeavePage(page.window, sheet, *page.design)) continue;
    PropSheet_SetCurSel(sheet.sheet, nullptr, static_cast<int>(i));
    return false;
  }
  return true;
}

FlowJob JobFor(const SheetState& sheet, FlowUse use) {
  FlowJob job;
  job.use = use;
  job.printer = sheet.printer;
  job.busyTimeoutSeconds = sheet.busyTimeoutSeconds;
  return job;
}

// A printer that prints or is offline may not take the settings at once.
bool ReadBusy(SheetState& sheet, bool& busy) {
  FlowOutcome outcome;
  if (!RunFlow(sheet.sheet, JobFor(sheet, FlowUse::ReadRetry), outcome)) return false;
  std::uint8_t activity = 0;
  std::uint8_t port = 0;
  GetByteAttribute(outcome.block.attributes, tag::kPrintActivity, activity);
  GetByteAttribute(outcome.block.attributes, tag::kPortStatus, port);
  busy = activity != 0 || (port & kOfflineBit) != 0;
  return true;
}

bool SendWrite(SheetState& sheet, const SheetWrite& write) {
  FlowJob job = JobFor(sheet, FlowUse::Write);
  auto request = std::make_unique<TransactionBlock>();
  auto slots = std::make_unique<CommandSlotList>(1);
  if (write.commandNic) {
    CommandSlot* slot = slots->GetOrCreate(kWriteConfig);
    if (slot == nullptr) return false;
    slot->configItems = write.items;
    job.slots = slots.get();
  } else {
    request->attrReplied = 1;
    request->attributes = write.attributes;
    request->extReplied = write.sendExtended ? 1 : 0;
    request->extendedText = write.extended;
    job.request = request.get();
  }
  FlowOutcome outcome;
  return RunFlow(sheet.sheet, job, outcome);
}

void TakeWritten(SheetState& sheet) {
  sheet.baseline = sheet.image;
  sheet.written = true;
  if (const auto name = ReadSetting(sheet.image, SettingField::PrinterName)) {
    CopyBoundedText(sheet.printer.name, name->c_str());
  }
}

}  // namespace

bool ApplySheet(SheetState& sheet) {
  if (!EveryPageTakesItsFields(sheet)) return false;
  const SheetWrite write = BuildSheetWrite(sheet.baseline, sheet.image);
  if (!write.any) return true;
  bool busy = false;
  if (!ReadBusy(sheet, busy) || !SendWrite(sheet, write)) return false;
  TakeWritten(sheet);
  if (busy) ShowFolderText(sheet.sheet, MessageLevel::Warning, kBusyMessage);
  return true;
}

}  // namespace nic::sheets
