#include "common/win/printer_item_name.h"

#include <cstring>
#include <vector>

#include "common/win/text_conversion.h"

namespace {

// A display name in whichever form the folder gave it.
std::string AnsiOf(STRRET& text, LPCITEMIDLIST item) {
  switch (text.uType) {
    case STRRET_WSTR: {
      std::string ansi = text.pOleStr != nullptr ? AnsiFromWide(text.pOleStr) : std::string();
      CoTaskMemFree(text.pOleStr);
      return ansi;
    }
    case STRRET_CSTR: return std::string(text.cStr, strnlen(text.cStr, sizeof text.cStr));
    case STRRET_OFFSET: return reinterpret_cast<const char*>(item) + text.uOffset;
    default: return {};
  }
}

// The shell's way: the Printers folder names its item for parsing.
std::optional<std::string> NameFromPrintersFolder(LPCITEMIDLIST item) {
  IShellFolder* desktop = nullptr;
  if (FAILED(SHGetDesktopFolder(&desktop))) return std::nullopt;
  std::optional<std::string> name;
  LPITEMIDLIST printers = nullptr;
  IShellFolder* folder = nullptr;
  if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_PRINTERS, &printers)) &&
      SUCCEEDED(desktop->BindToObject(printers, nullptr, IID_IShellFolder, reinterpret_cast<void**>(&folder)))) {
    STRRET text{};
    if (SUCCEEDED(folder->GetDisplayNameOf(item, SHGDN_INFOLDER | SHGDN_FORPARSING, &text))) name = AnsiOf(text, item);
    folder->Release();
  }
  CoTaskMemFree(printers);
  desktop->Release();
  return name;
}

// Where the shell names no printers (Wine's Printers folder lists none),
// the management window's own printer item names its printer; it is read
// only within the block the shell allocator gave it.
std::optional<std::string> NameFromHostItem(LPCITEMIDLIST item) {
  IMalloc* allocator = nullptr;
  if (item == nullptr || FAILED(SHGetMalloc(&allocator))) return std::nullopt;
  std::optional<std::string> name;
  void* block = const_cast<ITEMIDLIST*>(item);
  if (allocator->DidAlloc(block) == 1) {
    const SIZE_T size = allocator->GetSize(block);
    if (size != static_cast<SIZE_T>(-1)) {
      if (auto read = dav::ReadMailPrinterItem({reinterpret_cast<const std::uint8_t*>(item), size}))
        name = std::move(read->name);
    }
  }
  allocator->Release();
  return name;
}

}  // namespace

std::optional<std::string> PrinterNameOf(LPCITEMIDLIST item) {
  if (auto name = NameFromPrintersFolder(item); name && !name->empty()) return name;
  return NameFromHostItem(item);
}

LPITEMIDLIST NewMailPrinterItem(const dav::MailPrinterItem& printer) {
  const std::vector<std::uint8_t> bytes = dav::BuildMailPrinterItem(printer);
  if (bytes.empty()) return nullptr;
  void* item = CoTaskMemAlloc(bytes.size());
  if (item != nullptr) std::memcpy(item, bytes.data(), bytes.size());
  return static_cast<LPITEMIDLIST>(item);
}
