// The management window as a person opens it: the suite registered with
// regsvr32 in the prefix's real registry, the window in this process on a
// thread of its own, the printer folder chosen in its tree against the
// simulator's printers (host_network.ini), then the local printers.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "common/dav_registry.h"
#include "common/win/testing/control_driver.h"
#include "common/win/testing/dialog_driver.h"
#include "common/win/testing/program_run.h"
#include "common/win/testing/saved_registry_value.h"
#include "outside/folderhost/host_window.h"

namespace {

using namespace testkit;
using Rows = std::vector<std::vector<std::wstring>>;

constexpr char kPrinter[] = "HOST-LOCAL";
constexpr char kModel[] = "LP-HOST";

// The folder's list and settings beside the registered DLL: three printers
// never refreshed, a two-second cycle.
void WriteFolderFiles() {
  std::ofstream(ProgramBeside("nicconf.nic"), std::ios::binary)
      << "UKETSUKE,,00:80:87:41:00:02,127.0.41.2,00000000,,,TCP/IP,0,0\r\n"
         "SOUMU,,00:80:87:41:00:03,127.0.41.3,00000000,,,TCP/IP,0,0\r\n"
         "KAIHATSU,,00:80:87:41:00:04,127.0.41.4,00000000,,,TCP/IP,0,0\r\n";
  const std::string ini = ProgramBeside("nicconf.ini");
  WritePrivateProfileStringA("PROPERTY TIME", "REFRESHCYCLE", "2", ini.c_str());
  WritePrivateProfileStringA("PROPERTY TIME", "BUSYTIMEOUT", "1", ini.c_str());
}

// A printer of the maker on a parallel port, alarm mail switched on.
void DefineLocalPrinter(RealRegistryValues& real) {
  const std::string key = std::string(dav::kPrintersKey) + "\\" + kPrinter;
  real.Text(key, "Name", kPrinter);
  real.Text(key, "Port", "LPT1:");
  real.Text(key, dav::kPrinterDriver, std::string(dav::kDriverPrefix) + kModel);
  real.Text(key, "Print Processor", "winprint");
  real.Text(key, "Datatype", "RAW");
  real.Dword(key, "Attributes", 0x800);
  real.Dword(key + "\\" + dav::kDriverData, dav::kCheckMail, 0x01);
  real.Dword(std::string(dav::kModelsKey) + "\\" + kModel, dav::kSupport, 1);
}

// The window on its own thread, as its program runs it.
class RunningHost {
 public:
  RunningHost() {
    thread_ = std::thread([this] {
      CoInitialize(nullptr);
      if (auto host = folderhost::HostWindow::Create(GetModuleHandleW(nullptr))) {
        host_ = host.get();
        host->Run();
        host_ = nullptr;
      }
      done_ = true;
      CoUninitialize();
    });
    WaitFor([&] { return host_.load() != nullptr || done_.load(); });
  }
  ~RunningHost() {
    if (folderhost::HostWindow* host = host_) PostMessageW(host->Frame(), WM_CLOSE, 0, 0);
    thread_.join();
  }
  folderhost::HostWindow* operator->() const { return host_; }
  explicit operator bool() const { return host_.load() != nullptr; }

 private:
  std::thread thread_;
  std::atomic<folderhost::HostWindow*> host_{nullptr};
  std::atomic<bool> done_{false};
};

std::vector<std::wstring> MenuBar(HWND frame) {
  std::vector<std::wstring> popups;
  HMENU menu = GetMenu(frame);
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
    popups.push_back(text);
  }
  return popups;
}

bool Enabled(HWND toolbar, int button) { return SendWithin(toolbar, TB_ISBUTTONENABLED, button) != 0; }
bool Checked(HWND toolbar, int button) { return SendWithin(toolbar, TB_ISBUTTONCHECKED, button) != 0; }

HWND FolderList(HWND viewWindow) {
  for (HWND child : Children(viewWindow))
    if (ClassName(child) == L"SysListView32") return child;
  return nullptr;
}

std::wstring StatusOf(const Rows& rows, const std::wstring& name) {
  for (const auto& row : rows)
    if (!row.empty() && row.front() == name) return row.back();
  return L"<missing>";
}

TEST(FolderHost, ShowsTheFolderWithItsMenusToolbarAndStatusesAndTheLocalPrintersWithTheMailColumn) {
  ASSERT_NE(std::getenv("NICSIM_STATE"), nullptr) << "run under the host_network fixture";
  WriteFolderFiles();
  ASSERT_EQ(RunRegsvr32("nicconf.dll", false), 0u);
  ASSERT_EQ(RunRegsvr32("maintui.dll", false), 0u);
  InitCommonControls();
  {
    RealRegistryValues real;
    DefineLocalPrinter(real);
    RunningHost host;
    ASSERT_TRUE(host);
    EXPECT_EQ(TreeItems(host->Tree()).at(0).text, L"NRV Prindora");
    ASSERT_TRUE(host->ChooseNode(L"NRV プリントサーバ"));
    HWND list = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (list = FolderList(host->ViewWindow())) != nullptr; }));
    ASSERT_TRUE(WaitFor([&] {
      const Rows rows = ListRows(list);
      return rows.size() == 3 && StatusOf(rows, L"SOUMU") != L"-----" && StatusOf(rows, L"UKETSUKE") != L"-----";
    }));
    const Rows rows = ListRows(list);
    EXPECT_EQ(StatusOf(rows, L"UKETSUKE"), L"プリンタレディ");
    EXPECT_EQ(StatusOf(rows, L"SOUMU"), L"プリンタオフライン");
    EXPECT_EQ(MenuBar(host->Frame()),
              (std::vector<std::wstring>{L"ファイル(&F)", L"編集(&E)", L"表示(&V)", L"ツール(&T)", L"ヘルプ(&H)"}));
    EXPECT_EQ(WindowText(host->StatusBar()), L"3 個のオブジェクト");
    for (int button : {5, 10, 100}) EXPECT_FALSE(Enabled(host->Toolbar(), button)) << button;
    EXPECT_TRUE(Checked(host->Toolbar(), 213));
    SendWithin(list, WM_SETFOCUS);
    SelectListItem(list, 0);
    EXPECT_TRUE(WaitFor([&] { return Enabled(host->Toolbar(), 10); }));
    EXPECT_EQ(WindowText(host->StatusBar()), L"1 個のオブジェクトを選択");

    ASSERT_TRUE(host->ChooseNode(L"ローカルプリンタ"));
    ASSERT_TRUE(WaitFor([&] { return host->PrinterList() != nullptr; }));
    EXPECT_EQ(ListColumns(host->PrinterList()),
              (std::vector<std::wstring>{L"名前", L"ポート", L"ドライバ", L"メール通知"}));
    bool found = false;
    for (const auto& row : ListRows(host->PrinterList())) {
      if (row.front() != L"HOST-LOCAL") continue;
      found = true;
      EXPECT_EQ(row.back(), L"保守中");
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(MenuBar(host->Frame()), (std::vector<std::wstring>{L"ファイル(&F)", L"表示(&V)"}));
  }
  RunRegsvr32("maintui.dll", true);
  RunRegsvr32("nicconf.dll", true);
}

}  // namespace
