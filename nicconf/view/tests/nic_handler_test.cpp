// The LAN board entry on the management window's printers, as a host uses
// it: the registered handler created by its class id, given the host's
// printer items, its menu read back, and its command opening the sheets of
// the NIC at the printer's port (REDI of view_network.ini).
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>
#include <winspool.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "common/win/testing/property_sheet_driver.h"
#include "common/win/text_conversion.h"
#include "common/win/printer_item_name.h"
#include "nicconf/view/tests/view_test_support.h"

namespace {

using namespace viewtest;

constexpr char kPrintersKey[] = "System\\CurrentControlSet\\Control\\Print\\Printers\\";
constexpr CLSID kClsidHandler = {0x5D2E0105, 0xB41C, 0x11D1, {0x9E, 0x27, 0x00, 0xA0, 0xC9, 0xA4, 0x1F, 0x30}};

// A local printer of the spooler on the port given.
struct SpoolerPrinter {
  SpoolerPrinter(std::string printerName, const std::string& port) : name(std::move(printerName)) {
    const std::string key = kPrintersKey + name;
    auto set = [&](const char* value, const std::string& text) {
      RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), value, REG_SZ, text.c_str(),
                      static_cast<DWORD>(text.size() + 1));
    };
    set("Name", name);
    set("Port", port);
    set("Printer Driver", "Generic / Text Only");
    set("Print Processor", "winprint");
    set("Datatype", "RAW");
    const DWORD local = PRINTER_ATTRIBUTE_LOCAL;
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), "Attributes", REG_DWORD, &local, sizeof local);
  }
  ~SpoolerPrinter() { RegDeleteTreeA(HKEY_LOCAL_MACHINE, (kPrintersKey + name).c_str()); }
  std::string name;
};

// The host's item for a printer, in the shell allocator's memory.
LPITEMIDLIST HostItem(const std::string& printer) { return NewMailPrinterItem({printer, 2, ""}); }

struct Entry {
  UINT id;
  std::wstring text;
  bool grey;
  bool operator==(const Entry&) const = default;
};

void PrintTo(const Entry& e, std::ostream* out) {
  *out << e.id << " " << testing::PrintToString(e.text) << (e.grey ? " grey" : "");
}

std::vector<Entry> EntriesOf(HMENU menu) {
  std::vector<Entry> entries;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 127, MF_BYPOSITION);
    const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
    const bool separator = (state & MF_SEPARATOR) != 0;  // Wine calls them grey too
    entries.push_back({GetMenuItemID(menu, i), separator ? L"-" : text, !separator && (state & MF_GRAYED) != 0});
  }
  return entries;
}

class HostPrinters : public FolderView {
 protected:
  void SetUp() override {
    FolderView::SetUp();
    CoInitialize(nullptr);
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(kClsidHandler, nullptr, CLSCTX_INPROC_SERVER, IID_IShellFolder,
                                              reinterpret_cast<void**>(&handler_)));
  }
  void TearDown() override {
    for (LPITEMIDLIST item : items_) CoTaskMemFree(item);
    if (handler_ != nullptr) handler_->Release();
    CoUninitialize();
    FolderView::TearDown();
  }

  // The handler's menu for these printers, as the host inserts it at the
  // top of a fresh popup.
  std::vector<Entry> MenuFor(std::initializer_list<const char*> printers, UINT flags = CMF_NORMAL) {
    std::vector<LPCITEMIDLIST> held;
    for (const char* printer : printers) {
      items_.push_back(HostItem(printer));
      held.push_back(items_.back());
    }
    IContextMenu* menu = nullptr;
    if (FAILED(handler_->GetUIObjectOf(nullptr, static_cast<UINT>(held.size()), held.data(), IID_IContextMenu,
                                       nullptr, reinterpret_cast<void**>(&menu))))
      return {};
    HMENU popup = CreatePopupMenu();
    menu->QueryContextMenu(popup, 0, 1, 0x7FFF, flags);
    std::vector<Entry> entries = EntriesOf(popup);
    DestroyMenu(popup);
    menu->Release();
    return entries;
  }

  IShellFolder* handler_ = nullptr;
  std::vector<LPITEMIDLIST> items_;
};

TEST_F(HostPrinters, TheEntryIsUsableOnlyForOnePrinterOnAnAddressPort) {
  const SpoolerPrinter onAddress("NIC 192", "192.168.1.20"), local("NIC LPT", "LPT1:"),
      tooHigh("NIC 300", "192.168.300.1");
  const std::vector<Entry> usable{{0, L"-", false}, {110, L"LANボードの設定(&B)...", false}};
  const std::vector<Entry> grey{{0, L"-", false}, {110, L"LANボードの設定(&B)...", true}};
  EXPECT_EQ(MenuFor({"NIC 192"}), usable);
  EXPECT_EQ(MenuFor({"NIC LPT"}), grey);
  EXPECT_EQ(MenuFor({"NIC 300"}), grey);
  EXPECT_EQ(MenuFor({"NIC 192", "NIC 192"}), grey);
  EXPECT_EQ(MenuFor({"NO SUCH PRINTER"}), grey);
  EXPECT_EQ(MenuFor({"NIC 192"}, 0x20000), std::vector<Entry>{});  // a menu kind it does not join
  EXPECT_EQ(MenuFor({"NIC 192"}, 0x10000), usable);

  IContextMenu* menu = nullptr;
  EXPECT_EQ(handler_->GetUIObjectOf(nullptr, 0, nullptr, IID_IContextMenu, nullptr, reinterpret_cast<void**>(&menu)),
            E_INVALIDARG);
  LPCITEMIDLIST item = items_.front();
  EXPECT_EQ(handler_->GetUIObjectOf(nullptr, 1, &item, IID_IExtractIconA, nullptr, reinterpret_cast<void**>(&menu)),
            E_NOINTERFACE);
  ASSERT_HRESULT_SUCCEEDED(
      handler_->GetUIObjectOf(nullptr, 1, &item, IID_IContextMenu, nullptr, reinterpret_cast<void**>(&menu)));
  char help[160] = {};
  EXPECT_EQ(menu->GetCommandString(109, GCS_HELPTEXTA, nullptr, help, sizeof help), S_OK);
  EXPECT_EQ(WideFromAnsi(help), L"選択されたプリンタに接続されているLANボードのプロパティを表示します。");
  CMINVOKECOMMANDINFO info{};
  info.cbSize = sizeof info;
  info.lpVerb = MAKEINTRESOURCEA(109);
  EXPECT_EQ(menu->InvokeCommand(&info), E_INVALIDARG);  // no owner
  menu->Release();
  EXPECT_EQ(handler_->EnumObjects(nullptr, 0, nullptr), E_NOTIMPL);
}

// The entry opens the NIC's sheets titled with the printer's name; the NIC
// at the port is found without knowing its MAC.
TEST_F(HostPrinters, TheEntryOpensTheSheetsOfTheNicAtThePort) {
  const SpoolerPrinter redi("NIC REDI", "127.0.22.2");
  items_.push_back(HostItem("NIC REDI"));
  LPCITEMIDLIST item = items_.back();
  IContextMenu* menu = nullptr;
  ASSERT_HRESULT_SUCCEEDED(
      handler_->GetUIObjectOf(nullptr, 1, &item, IID_IContextMenu, nullptr, reinterpret_cast<void**>(&menu)));
  DialogSession session(std::vector<std::wstring>{L"注意", L"確認"}, [menu] {
    HWND owner = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    const LONG_PTR instance = GetWindowLongPtrW(owner, GWLP_HINSTANCE);
    CMINVOKECOMMANDINFO info{};
    info.cbSize = sizeof info;
    info.hwnd = owner;
    info.lpVerb = MAKEINTRESOURCEA(109);
    const HRESULT invoked = menu->InvokeCommand(&info);
    // The host's window has its own instance again.
    const bool restored = GetWindowLongPtrW(owner, GWLP_HINSTANCE) == instance;
    DestroyWindow(owner);
    return SUCCEEDED(invoked) && restored;
  });
  HWND sheet = session.WindowTitled(L"NIC REDI");
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(PressSheetButton(session, sheet, SheetButton::Cancel), Messages{});
  const CallEnd end = session.Finish();
  EXPECT_TRUE(end.finished);
  EXPECT_TRUE(end.result);
  menu->Release();
}

}  // namespace
