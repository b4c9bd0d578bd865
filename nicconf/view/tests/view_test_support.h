#pragma once
// What the view's Wine tests share: the settings and segment they run with,
// the six printers of the list file, the list file read back, the view
// opened in a browser double on a session thread, and the fixture that
// registers the folder once for all of them.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "common/win/testing/browser_double.h"
#include "common/win/testing/control_driver.h"
#include "common/win/testing/dialog_driver.h"
#include "nicconf/folder/class_ids.h"
#include "nicconf/folder/tests/folder_test_support.h"

namespace viewtest {

using namespace testkit;
using Rows = std::vector<std::vector<std::wstring>>;

inline constexpr std::uint16_t kControlPort = 18463;
inline constexpr wchar_t kDashes[] = L"-----";
inline constexpr wchar_t kOfferRegistration[] =
    L"管理するプリンタが登録されていません。\nただちにプリンタの登録ウィザードを開始しますか？";

// The six printers in their states, as the list file holds them before any
// refresh: no model, version or status yet; one MAC in lower case.
inline const char kSixPrinters[] =
    "REDI,,00:80:87:22:00:02,127.0.22.2,00000000,,,TCP/IP,0,0\r\n"
    "OFURAIN,,00:80:87:22:00:03,127.0.22.3,00000000,,,TCP/IP,0,0\r\n"
    "INSATSU,,00:80:87:22:00:04,127.0.22.4,00000000,,,TCP/IP,0,0\r\n"
    "YOUSHI,,00:80:87:22:00:0a,127.0.22.5,00000000,,,TCP/IP,0,0\r\n"
    "KABA,,00:80:87:22:00:06,127.0.22.6,00000000,,,TCP/IP,0,0\r\n"
    "MUGON,,0A:5E:91:22:00:07,127.0.22.7,00000000,,,TCP/IP,0,0\r\n";

// The refresh cycle comes from the environment, so the same program runs
// once with a short cycle and once with none.
inline void WriteSettings() {
  const std::string ini = ModuleBeside("nicconf.ini");
  const char* cycle = std::getenv("VIEW_REFRESHCYCLE");
  WritePrivateProfileStringA("PROPERTY TIME", "REFRESHCYCLE", cycle != nullptr ? cycle : "2", ini.c_str());
  WritePrivateProfileStringA("PROPERTY TIME", "BUSYTIMEOUT", "1", ini.c_str());
  for (const char* flag : {"NAME", "MODEL", "MACADDRESS", "IPADDRESS", "NETWORKNUMBER", "VERSION", "STATUS"})
    WritePrivateProfileStringA("PROPERTY DISPLAY", flag, "TRUE", ini.c_str());
}

// The NetWare client's view of the segment: this workstation, the NetWare
// printer on 3C and the wizard's two on 4D. Read when the DLL first opens
// IPX.
inline void WriteSegment() {
  char folder[MAX_PATH];
  GetTempPathA(sizeof folder, folder);
  const std::string path = std::string(folder) + "nicconf-view-segment.txt";
  std::ofstream(path) << "local 3C 00001B000003\nstation 3C 008087220009\n"
                          "station 4D 008087250014\nstation 4D 008087250015\nport 26600\n";
  SetEnvironmentVariableA("NWIPX_SEGMENT", path.c_str());
}

inline std::string ReadListFile() {
  std::ifstream in(ModuleBeside("nicconf.nic"), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The folder's view in a browser of its own, on the session's thread.
class OpenView {
 public:
  explicit OpenView(UINT mode = FVM_DETAILS)
      : browser_(std::make_shared<BrowserDouble>()),
        session_({L"確認", L"注意", L"情報"}, [browser = browser_, mode] {
          CoInitialize(nullptr);
          IShellFolder* folder = nullptr;
          BOOL shown = FALSE;
          if (SUCCEEDED(CoCreateInstance(kClsidNicFolder, nullptr, CLSCTX_INPROC_SERVER, IID_IShellFolder,
                                         reinterpret_cast<void**>(&folder)))) {
            shown = browser->Run(folder, mode);
            folder->Release();
          }
          CoUninitialize();
          return shown;
        }) {}

  BrowserDouble& browser() { return *browser_; }
  DialogSession& session() { return session_; }
  HWND Frame() { return session_.Dialog(); }

  HWND List() {
    for (HWND child : Children(Frame()))
      if (ClassName(child) == L"SysListView32") return child;
    return nullptr;
  }
  HWND ParentView() { return GetParent(List()); }

  // Waits until the status column of every row shows something other than
  // the dashes of a printer never refreshed.
  bool Refreshed(DWORD limitMs = 15000) {
    return WaitFor(
        [&] {
          const Rows rows = ListRows(List());
          for (const auto& row : rows)
            if (row.back() == kDashes) return false;
          return !rows.empty();
        },
        limitMs);
  }

  void Close() {
    PostMessageW(Frame(), WM_COMMAND, IDCANCEL, 0);
    const CallEnd end = session_.Finish();
    EXPECT_TRUE(end.finished);
    EXPECT_TRUE(end.result);
  }

 private:
  std::shared_ptr<BrowserDouble> browser_;
  DialogSession session_;
};

class FolderView : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    WriteSettings();
    WriteSegment();
    ASSERT_EQ(RunRegsvr32(false), 0u);
    // Loaded once here, before any view thread touches its windows.
    module_ = LoadLibraryA("nicconf.dll");
    ASSERT_NE(module_, nullptr);
  }
  static void TearDownTestSuite() {
    FreeLibrary(module_);
    RunRegsvr32(true);
  }
  void SetUp() override { WriteListFile(kSixPrinters); }
  void TearDown() override { WriteListFile(""); }

  static inline HMODULE module_ = nullptr;
};

}  // namespace viewtest
