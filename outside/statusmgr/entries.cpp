// statusmgr.dll, the stand-in for the outside status library: its callers
// load it by name and look these entries up by name. Open and read give 0 or
// a Win32 error code; the open mode changes nothing here.
#include <windows.h>

#include <string>
#include <type_traits>

#include "common/status_manager_api.h"
#include "outside/statusmgr/manager_handles.h"
#include "outside/statusmgr/printer_name.h"
#include "outside/statusmgr/printer_store.h"
#include "common/status_items.h"
#include "outside/statusmgr/store_layout.h"

namespace {

using namespace statusmgr;

// The size needed is reported before anything else can fail, so a caller
// asking with too small a buffer always learns it.
int ReadStatus(void* manager, const char* item, void* buffer, std::uint32_t size,
               std::uint32_t* needed) {
  const std::optional<std::uint32_t> itemSize = StatusItemSize(item);
  if (needed != nullptr) *needed = itemSize.value_or(0);
  if (!itemSize) return ERROR_INVALID_PARAMETER;
  const std::optional<std::wstring> printer = PrinterOfOpenHandle(manager);
  if (!printer) return ERROR_INVALID_HANDLE;
  // Every ask of a known item on an open handle counts, so callers' tests
  // see which items were asked and how often.
  CountOne(*printer, (std::string(kReadsPrefix) + item).c_str());
  if (buffer == nullptr || size < *itemSize) return ERROR_INSUFFICIENT_BUFFER;
  return ReadItem(*printer, item, buffer, *itemSize);
}

}  // namespace

extern "C" {

__declspec(dllexport) int DAV_CALL OpenManagerExA(const char* printerName, std::uint32_t,
                                                  std::uint32_t, void** manager) {
  if (manager == nullptr) return ERROR_INVALID_PARAMETER;
  *manager = nullptr;
  std::optional<std::wstring> printer = PrinterKeyName(printerName);
  if (!printer) return ERROR_INVALID_PRINTER_NAME;
  if (!HasPrinter(*printer)) return ERROR_FILE_NOT_FOUND;
  CountOne(*printer, kOpens);
  *manager = IssueHandle(std::move(*printer));
  return ERROR_SUCCESS;
}

__declspec(dllexport) int DAV_CALL GetPrinterStatusA(void* manager, const char* item, void* buffer,
                                                     std::uint32_t size, std::uint32_t* needed) {
  return ReadStatus(manager, item, buffer, size, needed);
}

// A direct read is meant to pass by any state kept between polls; the
// stand-in keeps none beyond the store, so both reads see the same value.
__declspec(dllexport) int DAV_CALL GetPrinterStatusDirectA(void* manager, const char* item,
                                                           void* buffer, std::uint32_t size,
                                                           std::uint32_t* needed) {
  return ReadStatus(manager, item, buffer, size, needed);
}

__declspec(dllexport) int DAV_CALL UpdatePrinterStatusA(void* manager, const char* item,
                                                        const void* buffer, std::uint32_t size) {
  const std::optional<std::uint32_t> itemSize = StatusItemSize(item);
  if (!itemSize || buffer == nullptr || size > *itemSize) return ERROR_INVALID_PARAMETER;
  const std::optional<std::wstring> printer = PrinterOfOpenHandle(manager);
  if (!printer) return ERROR_INVALID_HANDLE;
  return WriteItem(*printer, item, buffer, size);
}

// A second close of a handle is refused but still counted, so that a caller
// closing twice shows as more closes than opens.
__declspec(dllexport) int DAV_CALL CloseManager(void* manager) {
  const std::optional<ManagerRecord> record = RetireHandle(manager);
  if (!record) return ERROR_INVALID_HANDLE;
  CountOne(record->printer, kCloses);
  return record->open ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

}  // extern "C"

static_assert(std::is_same_v<decltype(&OpenManagerExA), OpenManagerExAFunction>);
static_assert(std::is_same_v<decltype(&GetPrinterStatusA), GetPrinterStatusAFunction>);
static_assert(std::is_same_v<decltype(&GetPrinterStatusDirectA), GetPrinterStatusAFunction>);
static_assert(std::is_same_v<decltype(&UpdatePrinterStatusA), UpdatePrinterStatusAFunction>);
static_assert(std::is_same_v<decltype(&CloseManager), CloseManagerFunction>);
