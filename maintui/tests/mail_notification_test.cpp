// maintui.dll as the management window uses it: registered with regsvr32,
// created with CoCreateInstance, its other objects from the folder. The
// printers are defined for Wine's spooler in this process's own registry,
// which the spooler follows; the management window is a window of the
// test's own, on a thread of its own, with a report list of printers.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "common/dav_registry.h"
#include "common/mail_printer_item.h"
#include "common/win/printer_item_name.h"
#include "common/win/registry_key.h"
#include "common/win/testing/control_driver.h"
#include "common/win/testing/dialog_driver.h"
#include "common/win/testing/program_run.h"
#include "common/win/testing/property_sheet_driver.h"
#include "common/win/testing/registry_sandbox.h"
#include "maintui/rmmui.h"
#include "maintui/tests/mail_objects.h"
#include "rmmmodelui/alarm_dialog_ids.h"

namespace {

using namespace testkit;

constexpr char kMonitorKey[] = "System\\CurrentControlSet\\control\\Print\\Monitors\\NRV Network Port";

std::string PrinterKey(const std::string& printer) { return std::string(dav::kPrintersKey) + "\\" + printer; }
std::string DriverData(const std::string& printer) { return PrinterKey(printer) + "\\" + dav::kDriverData; }
std::string ModelKey(const std::string& model) { return std::string(dav::kModelsKey) + "\\" + model; }

void DefinePrinter(const std::string& name, const std::string& driver, const std::string& port,
                   const std::string& processor, DWORD attributes) {
  const std::string key = PrinterKey(name);
  RegistrySandbox::SetString(key.c_str(), "Name", name);
  RegistrySandbox::SetString(key.c_str(), "Port", port);
  RegistrySandbox::SetString(key.c_str(), dav::kPrinterDriver, driver);
  RegistrySandbox::SetString(key.c_str(), "Print Processor", processor);
  RegistrySandbox::SetString(key.c_str(), "Datatype", "RAW");
  RegistrySandbox::SetDword(key.c_str(), "Attributes", attributes);
  RegistryKey::Create(HKEY_LOCAL_MACHINE, DriverData(name).c_str(), KEY_ALL_ACCESS);
}

std::optional<DWORD> Stored(const std::string& key, const char* name) {
  return RegistryKey::Open(HKEY_LOCAL_MACHINE, key.c_str(), KEY_READ).ReadDword(name);
}

// A printer item as the enumerator hands them out, in the shell's memory.
LPITEMIDLIST ItemOf(const std::string& printer) { return NewMailPrinterItem({printer, 1, "LPT1:"}); }

// The management window: a frame with a report list of printers, on its
// own thread, which refreshes the mail column when told of a change.
class HostWindow {
 public:
  explicit HostWindow(const std::vector<std::string>& printers) {
    thread_ = std::thread([this, printers] { Run(printers); });
    WaitFor([&] { return list_.load() != nullptr; });
  }
  ~HostWindow() {
    PostMessageW(frame_, WM_CLOSE, 0, 0);
    thread_.join();
  }
  HWND frame() const { return frame_; }
  HWND list() const { return list_; }
  std::atomic<IRMMUIViewExt*> column{nullptr};
  std::atomic<int> refreshes{0};

  std::wstring Cell(int row, int column) {
    wchar_t text[64] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 64;
    SendWithin(list_, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return text;
  }

 private:
  static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_WININICHANGE && self != nullptr) {
      ++self->refreshes;
      if (IRMMUIViewExt* column = self->column) column->RefreshColumn();
      return 0;
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
  }

  void Run(const std::vector<std::string>& printers) {
    CoInitialize(nullptr);
    WNDCLASSW frameClass{};
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hInstance = GetModuleHandleW(nullptr);
    frameClass.lpszClassName = L"MaintuiTestHost";
    RegisterClassW(&frameClass);
    frame_ = CreateWindowW(L"MaintuiTestHost", L"Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400, nullptr,
                           nullptr, frameClass.hInstance, nullptr);
    SetWindowLongPtrW(frame_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    HWND list = CreateWindowW(WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 600, 400, frame_,
                              nullptr, frameClass.hInstance, nullptr);
    LVCOLUMNW name{};
    name.mask = LVCF_TEXT | LVCF_WIDTH;
    name.cx = 150;
    name.pszText = const_cast<wchar_t*>(L"名前");
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&name));
    for (std::size_t i = 0; i < printers.size(); ++i) {
      const std::wstring text(printers[i].begin(), printers[i].end());
      LVITEMW item{};
      item.mask = LVIF_TEXT | LVIF_PARAM;
      item.iItem = static_cast<int>(i);
      item.pszText = const_cast<wchar_t*>(text.c_str());
      item.lParam = reinterpret_cast<LPARAM>(ItemOf(printers[i]));
      SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    list_ = list;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    CoUninitialize();
  }

  std::thread thread_;
  HWND frame_ = nullptr;
  std::atomic<HWND> list_{nullptr};
};

int VisibleWindowsTitled(const std::wstring& title) {
  struct Count {
    const std::wstring* title;
    int found;
  } count{&title, 0};
  EnumWindows(
      [](HWND window, LPARAM parameter) {
        auto& counting = *reinterpret_cast<Count*>(parameter);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId() && IsWindowVisible(window) && WindowText(window) == *counting.title)
          ++counting.found;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count.found;
}

std::vector<std::wstring> MenuTexts(HMENU menu) {
  std::vector<std::wstring> texts;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, i, text, 128, MF_BYPOSITION);
    texts.push_back(text);
  }
  return texts;
}

class MailNotification : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(RunRegsvr32("maintui.dll", false), 0u); }
  static void TearDownTestSuite() { RunRegsvr32("maintui.dll", true); }

  void SetUp() override {
    ASSERT_TRUE(sandbox.ready());
    CoInitialize(nullptr);
    InitCommonControls();
    for (const char* model : {"LP-9800C", "LP-1800"}) {
      RegistrySandbox::SetDword(ModelKey(model).c_str(), dav::kSupport, 1);
      RegistrySandbox::SetString(ModelKey(model).c_str(), dav::kPagesPath, ProgramBeside("rmmmodelui.dll"));
    }
    DefinePrinter("PRN-MAIL", "NRV LP-9800C", "LPT1:", "winprint", 0x800);
    RegistrySandbox::SetDword(DriverData("PRN-MAIL").c_str(), dav::kCheckMail, 0x01);
    DefinePrinter("PRN-QUIET", "NRV LP-1800", "LPT2:", "winprint", 0x800);
    RegistrySandbox::SetDword(DriverData("PRN-QUIET").c_str(), dav::kCheckMail, 0);
    DefinePrinter("PRN-NET", "NRV LP-9800C", "LPT3:", "winprint", 0x810);
    DefinePrinter("PRN-POOL", "NRV LP-9800C", "LPT4:", "NRVPDD", 0x800);
    DefinePrinter("PRN-USB", "NRV LP-9800C", "LPTUSB1", "winprint", 0x800);
    DefinePrinter("PRN-LPT10", "NRV LP-9800C", "LPT10:", "winprint", 0x800);
    DefinePrinter("PRN-OTHER", "Generic Text", "LPT1:", "winprint", 0x800);
    DefinePrinter("PRN-PORT", "NRV LP-1800", "NRVPORT1", "winprint", 0x800);
    RegistryKey::Create(HKEY_LOCAL_MACHINE, (std::string(kMonitorKey) + "\\NRVPORT1").c_str(), KEY_ALL_ACCESS);
  }
  void TearDown() override { CoUninitialize(); }

  static void SenderData(const char* server) {
    RegistrySandbox::SetString(dav::kMailKey, dav::kName, "Admin");
    RegistrySandbox::SetString(dav::kMailKey, dav::kMail, "admin@office.test");
    RegistrySandbox::SetString(dav::kMailKey, dav::kServer, server);
  }

  RegistrySandbox sandbox;
};

TEST_F(MailNotification, TheEnumeratorHandsOutTheEligiblePrintersAndRecordsEachDecision) {
  const auto printers = ObjectOf<IRMMUIEnum>(CLSID_RMMUIEnum);
  ASSERT_TRUE(printers);
  LPITEMIDLIST item = nullptr;
  ULONG fetched = 7;
  EXPECT_EQ(printers->Next(2, &item, &fetched), E_INVALIDARG);
  std::vector<std::string> handed;
  while (printers->Next(1, &item, &fetched) == S_OK) {
    EXPECT_EQ(fetched, 1u);
    // The item's own size, and the list's terminator after it.
    const std::size_t size = *reinterpret_cast<const std::uint16_t*>(item) + 2u;
    const auto read = dav::ReadMailPrinterItem({reinterpret_cast<const std::uint8_t*>(item), size});
    CoTaskMemFree(item);
    ASSERT_TRUE(read.has_value());
    handed.push_back(read->name + " " + std::to_string(read->kind) + " " + read->port);
  }
  EXPECT_EQ(fetched, 0u);
  std::sort(handed.begin(), handed.end());
  EXPECT_EQ(handed, (std::vector<std::string>{"PRN-MAIL 2 LPT1:", "PRN-PORT 1 NRVPORT1", "PRN-QUIET 1 LPT2:"}));

  for (const char* eligible : {"PRN-MAIL", "PRN-QUIET", "PRN-PORT"})
    EXPECT_EQ(Stored(DriverData(eligible), dav::kPrinterEligible), 1u) << eligible;
  // Network attribute, the pool processor, USB on this NT system, a port
  // number of two digits.
  for (const char* refused : {"PRN-NET", "PRN-POOL", "PRN-USB", "PRN-LPT10"})
    EXPECT_EQ(Stored(DriverData(refused), dav::kPrinterEligible), 0u) << refused;
  EXPECT_FALSE(Stored(DriverData("PRN-OTHER"), dav::kPrinterEligible).has_value());
  EXPECT_EQ(Stored(ModelKey("LP-9800C"), dav::kSupport), 2u);
  EXPECT_EQ(Stored(ModelKey("LP-1800"), dav::kSupport), 1u);
}

TEST_F(MailNotification, TheModuleStaysWhileAnyOfItsObjectsLives) {
  auto printers = ObjectOf<IRMMUIEnum>(CLSID_RMMUIEnum);
  ASSERT_TRUE(printers);
  HMODULE module = GetModuleHandleA("maintui.dll");
  ASSERT_NE(module, nullptr);
  using CanUnload = HRESULT(__stdcall*)();
  const auto canUnload = reinterpret_cast<CanUnload>(reinterpret_cast<void*>(GetProcAddress(module, "DllCanUnloadNow")));
  ASSERT_NE(canUnload, nullptr);
  EXPECT_EQ(canUnload(), S_FALSE);
  printers.reset();
  EXPECT_EQ(canUnload(), S_OK);
}

TEST_F(MailNotification, TheColumnShowsEachPrintersStateAndGoesWithTheDetach) {
  HostWindow host({"PRN-MAIL", "PRN-QUIET", "PRN-NET"});
  const auto column = ObjectOf<IRMMUIViewExt>(CLSID_RMMUIViewExt);
  ASSERT_TRUE(column);
  EXPECT_EQ(column->RefreshColumn(), E_UNEXPECTED);
  ASSERT_EQ(column->AttachColumn(host.list()), S_OK);
  EXPECT_EQ(ListColumns(host.list()), (std::vector<std::wstring>{L"名前", L"メール通知"}));
  EXPECT_EQ(SendWithin(host.list(), LVM_GETCOLUMNWIDTH, 1), 100);
  EXPECT_EQ(host.Cell(0, 1), L"保守中");
  EXPECT_EQ(host.Cell(1, 1), L"停止中");
  EXPECT_EQ(host.Cell(2, 1), L"-");
  RegistrySandbox::SetDword(DriverData("PRN-QUIET").c_str(), dav::kCheckMail, 0x10);
  ASSERT_EQ(column->RefreshColumn(), S_OK);
  EXPECT_EQ(host.Cell(1, 1), L"保守中");
  ASSERT_EQ(column->DetachColumn(), S_OK);
  EXPECT_EQ(ListColumns(host.list()), std::vector<std::wstring>{L"名前"});
}

TEST_F(MailNotification, TheMenusOfferTheirEntryGreyedWhereThePrinterCannotTakePart) {
  const auto menu = ObjectOf<IRMMUIMenu>(CLSID_RMMUIMenu);
  ASSERT_TRUE(menu);
  auto merged = [&](ULONG flags, std::vector<LPCITEMIDLIST> items, HRESULT* result) {
    EXPECT_EQ(menu->Initialize(nullptr, static_cast<UINT>(items.size()), items.data(), flags), S_OK);
    HMENU target = CreatePopupMenu();
    *result = menu->QueryContextMenu(target, 0, 1000, 2000, 0);
    return target;
  };
  HRESULT result = E_FAIL;
  HMENU background = merged(0x40000, {}, &result);
  EXPECT_EQ(HRESULT_CODE(result), 201);
  EXPECT_EQ(MenuTexts(background), std::vector<std::wstring>{L"メール通知の設定(&C)..."});
  EXPECT_EQ(GetMenuState(background, 1200, MF_BYCOMMAND) & MF_GRAYED, 0u);
  DestroyMenu(background);

  LPITEMIDLIST eligible = ItemOf("prn-mail");  // names are compared without regard to case
  LPITEMIDLIST refused = ItemOf("PRN-NET");
  HMENU printer = merged(0, {refused, eligible}, &result);
  EXPECT_EQ(HRESULT_CODE(result), 204);
  EXPECT_EQ(MenuTexts(printer), std::vector<std::wstring>{L"アラームの発信設定(&N)..."});
  EXPECT_EQ(GetMenuState(printer, 1203, MF_BYCOMMAND) & MF_GRAYED, 0u);
  DestroyMenu(printer);
  printer = merged(0x10000, {refused}, &result);
  EXPECT_EQ(GetMenuState(printer, 1203, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
  DestroyMenu(printer);
  HMENU other = merged(0x20000, {eligible}, &result);
  EXPECT_EQ(result, S_OK);
  EXPECT_EQ(GetMenuItemCount(other), 0);
  DestroyMenu(other);

  char help[128] = {};
  ASSERT_EQ(menu->GetCommandHelp(200, help, sizeof help), S_OK);
  EXPECT_STREQ(help, "メール通知の設定をします。");
  ASSERT_EQ(menu->GetCommandHelp(201, help, sizeof help), S_OK);
  EXPECT_STREQ(help, "メール通知のヘルプを開きます。");
  ASSERT_EQ(menu->GetCommandHelp(203, help, sizeof help), S_OK);
  EXPECT_STREQ(help, "アラームの発信に関する設定をします。");
  EXPECT_EQ(menu->GetCommandHelp(202, help, sizeof help), E_INVALIDARG);
  CoTaskMemFree(eligible);
  CoTaskMemFree(refused);
}

// Sheets open on the module's own workers; the test follows their windows.
TEST_F(MailNotification, AlarmSettingsWithoutAServerSayWhatIsMissingThenOpenTheMailSettings) {
  SenderData("");
  const auto menu = ObjectOf<IRMMUIMenu>(CLSID_RMMUIMenu);
  LPITEMIDLIST item = ItemOf("PRN-MAIL");
  LPCITEMIDLIST items[] = {item};
  ASSERT_EQ(menu->Initialize(nullptr, 1, items, 0), S_OK);
  ASSERT_EQ(menu->InvokeCommand(203), S_OK);
  HWND box = ProcessWindowTitled(L"アラームの発信設定");
  ASSERT_NE(box, nullptr);
  auto boxes = DialogSession::Following({L"アラームの発信設定"}, GetWindowThreadProcessId(box, nullptr));
  EXPECT_EQ(boxes->Finish().messages,
            (Messages{{L"メール送信元情報の設定が行われていません。", Icon::Exclamation}}));
  HWND sheet = ProcessWindowTitled(L"メール通知の設定");
  ASSERT_NE(sheet, nullptr);
  auto sheets = DialogSession::Following({L"メール通知の設定"}, GetWindowThreadProcessId(sheet, nullptr));
  EXPECT_EQ(PageTitles(sheet), (std::vector<std::wstring>{L"メール送信情報", L"ユーザ情報"}));

  // A second request brings the open sheet to the front and opens no other.
  ASSERT_EQ(menu->InvokeCommand(200), S_OK);
  Sleep(500);
  EXPECT_EQ(VisibleWindowsTitled(L"メール通知の設定"), 1);
  EXPECT_EQ(PressSheetButton(*sheets, sheet, SheetButton::Cancel), Messages{});
  EXPECT_TRUE(WaitUntilGone(sheet));
  CoTaskMemFree(item);
}

// The alarm pages call the module back after their save; the host, told of
// the change, refreshes the column.
TEST_F(MailNotification, APrintersColumnTurnsActiveOnceItsAlarmSheetSavesATickedBox) {
  SenderData("127.0.17.5");
  HostWindow host({"PRN-QUIET"});
  const auto column = ObjectOf<IRMMUIViewExt>(CLSID_RMMUIViewExt);
  ASSERT_EQ(column->AttachColumn(host.list()), S_OK);
  host.column = column.get();
  EXPECT_EQ(host.Cell(0, 1), L"停止中");

  const auto menu = ObjectOf<IRMMUIMenu>(CLSID_RMMUIMenu);
  LVITEMW row{};
  row.mask = LVIF_PARAM;
  SendWithin(host.list(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&row));
  LPCITEMIDLIST items[] = {reinterpret_cast<LPCITEMIDLIST>(row.lParam)};
  ASSERT_EQ(menu->Initialize(host.frame(), 1, items, 0), S_OK);
  ASSERT_EQ(menu->InvokeCommand(203), S_OK);
  TickTonerPage(L"アラームの発信設定 - PRN-QUIET", L"service@office.test");
  EXPECT_TRUE(WaitFor([&] { return host.refreshes.load() > 0; }));
  EXPECT_EQ(host.Cell(0, 1), L"保守中");
  EXPECT_EQ(Stored(ModelKey("LP-1800"), dav::kSupport), 2u);
  host.column = nullptr;
}

}  // namespace
