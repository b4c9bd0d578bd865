// Remote power from the view's commands, against the simulator's remote
// power NICs on 127.0.27.x. A power-on's wake-up packets are broadcast:
// they are sent only on a network of the test's own
// (broadcasts_in_namespace.sh).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "nicconf/view/tests/view_test_support.h"
#include "nicconf/view/view_resource_ids.h"

namespace {

using namespace viewtest;

const char kPowerOffice[] =
    "DENGEN-C,,0A:5E:91:27:00:09,127.0.27.9,00000000,,,TCP/IP,0,0\r\n"
    "REDI,,00:80:87:22:00:02,127.0.22.2,00000000,,,TCP/IP,0,0\r\n"
    "DENGEN-A,,0A:5E:91:27:00:0A,127.0.27.10,00000000,,,TCP/IP,0,0\r\n"
    "DENGEN-D,,0A:5E:91:27:00:0C,127.0.27.12,00000000,,,TCP/IP,0,0\r\n"
    "DENGEN-B,,0A:5E:91:27:00:0B,127.0.27.11,00000000,,,TCP/IP,0,0\r\n";

// Datagrams of one kind the simulator received at one address, with their
// bytes in hex.
std::vector<std::string> Received(const char* kind, const std::string& ip) {
  const char* state = std::getenv("NICSIM_STATE");
  std::ifstream log(std::string(state != nullptr ? state : "") + "/events.log");
  std::vector<std::string> received;
  for (std::string line; std::getline(log, line);) {
    std::istringstream words(line);
    std::string seen, at, peer, port, bytes;
    words >> seen >> at >> peer >> port >> bytes;
    if (seen == kind && at == ip) received.push_back(bytes);
  }
  return received;
}

// Power-off commands (16) for this MAC the simulator received at one
// address: the reply-port prefix, "NCM", the command byte, the payload's
// length and the MAC.
int PowerOffsAt(const char* ip, const std::string& mac = "") {
  const auto commands = Received("ncm", ip);
  return static_cast<int>(std::count_if(commands.begin(), commands.end(), [&](const std::string& bytes) {
    return bytes.substr(4, 8) == "4E434D10" && (mac.empty() || bytes.substr(16, 12) == mac);
  }));
}

std::vector<std::wstring> Names(HWND list) {
  std::vector<std::wstring> names;
  for (const auto& row : ListRows(list)) names.push_back(row.at(0));
  return names;
}

void ChooseRows(HWND list, std::initializer_list<const wchar_t*> names) {
  const auto rows = ListRows(list);
  bool first = true;
  for (int i = 0; i < static_cast<int>(rows.size()); ++i)
    for (const wchar_t* name : names)
      if (rows[i][0] == name) {
        SelectListItem(list, i, first);
        first = false;
      }
}

TEST_F(FolderView, PowerOffListsTheAnsweringPrintersAndAsksBeforeTheCommand) {
  if (std::getenv("VIEW_REFRESHCYCLE") != nullptr) GTEST_SKIP() << "remote power does not depend on the cycle";
  WriteListFile(kPowerOffice);
  OpenView view;
  ASSERT_EQ(ListCount(view.List()), 5);
  PostMessageW(view.ParentView(), WM_COMMAND, 294, 0);
  HWND dialog = view.session().WindowTitled(L"リモート電源オフ");
  ASSERT_NE(dialog, nullptr);
  HWND list = GetDlgItem(dialog, IDC_POWER_LIST);
  EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_POWER_LABEL)), L"リモート電源オフするプリンタを選択してください。");
  EXPECT_EQ(ListColumns(list), (std::vector<std::wstring>{L"プリンタ名", L"IPアドレス"}));
  EXPECT_EQ(Names(list), (std::vector<std::wstring>{L"DENGEN-A", L"DENGEN-B", L"DENGEN-C"}));
  ClickColumn(list, 1);
  EXPECT_EQ(Names(list), (std::vector<std::wstring>{L"DENGEN-C", L"DENGEN-A", L"DENGEN-B"}));  // .9, .10, .11
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));

  // The NIC refuses the one, the other printer is in an alarm: no command.
  ChooseRows(list, {L"DENGEN-B", L"DENGEN-C"});
  EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE; }));
  // The dialog closes first; the answers come over the view.
  EXPECT_EQ(view.session().Click(dialog, IDOK), Messages{});
  // In the list's order, each after its own read.
  EXPECT_EQ(view.session().MessagesComingOver(view.Frame()),
            (Messages{{L"プリンタでアラームが発生しているため、リモート電源オフ要求が行えません。\n"
                       L"アラームを解除してから再度実行してください。",
                       Icon::Stop}}));
  EXPECT_EQ(view.session().MessagesComingOver(view.Frame()),
            (Messages{{L"LAN ボードでリモート電源オフ要求が無効になっています。\n"
                       L"プロパティで設定を変更してから再度実行してください。",
                       Icon::Stop}}));
  EXPECT_TRUE(WaitUntilGone(dialog));
  EXPECT_EQ(PowerOffsAt("127.0.27.9") + PowerOffsAt("127.0.27.11"), 0);

  // The one that may: its wait in the question, and one command on Yes.
  PostMessageW(view.ParentView(), WM_COMMAND, 294, 0);
  dialog = view.session().WindowTitled(L"リモート電源オフ");
  ASSERT_NE(dialog, nullptr);
  list = GetDlgItem(dialog, IDC_POWER_LIST);
  const int before = PowerOffsAt("127.0.27.10");
  ChooseRows(list, {L"DENGEN-A"});
  EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE; }));
  EXPECT_EQ(view.session().Click(dialog, IDOK), Messages{});
  EXPECT_EQ(view.session().MessagesComingOver(view.Frame(), {IDYES}),
            (Messages{{L"DENGEN-A (127.0.27.10)のリモート電源オフの待ち時間は 45 秒に設定されています。\n"
                       L"リモート電源オフを行いますか？",
                       Icon::Question}}));
  EXPECT_TRUE(WaitFor([&] { return PowerOffsAt("127.0.27.10") == before + 1; }));
  EXPECT_EQ(PowerOffsAt("127.0.27.10", "0A5E9127000A"), before + 1);
  Sleep(300);
  EXPECT_EQ(PowerOffsAt("127.0.27.10"), before + 1);
  view.Close();
}

// The status dialog's OFF is the same power-off: asked first, and No sends
// nothing.
TEST_F(FolderView, TheStatusDialogsOffAsksBeforeThePowerOff) {
  if (std::getenv("VIEW_REFRESHCYCLE") != nullptr) GTEST_SKIP() << "remote power does not depend on the cycle";
  WriteListFile(kPowerOffice);
  OpenView view;
  SelectListItem(view.List(), 2);
  PostMessageW(view.ParentView(), WM_COMMAND, 100, 0);
  HWND dialog = view.session().WindowTitled(L"DENGEN-Aのステータス");
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(GetDlgItem(dialog, IDC_STATUS_OFF)) != FALSE; }));
  const int before = PowerOffsAt("127.0.27.10");
  // The NIC's items are read first, then the question comes.
  EXPECT_EQ(view.session().Click(dialog, IDC_STATUS_OFF), Messages{});
  EXPECT_EQ(view.session().MessagesComingOver(dialog, {IDNO}),
            (Messages{{L"DENGEN-A (127.0.27.10)のリモート電源オフの待ち時間は 45 秒に設定されています。\n"
                       L"リモート電源オフを行いますか？",
                       Icon::Question}}));
  Sleep(300);
  EXPECT_EQ(PowerOffsAt("127.0.27.10"), before);
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(WaitUntilGone(dialog));
  view.Close();
}

// Power on offers only the printer that does not answer.
TEST_F(FolderView, PowerOnListsOnlyTheSilentRemotePowerPrinter) {
  if (std::getenv("VIEW_REFRESHCYCLE") != nullptr) GTEST_SKIP() << "remote power does not depend on the cycle";
  WriteListFile(kPowerOffice);
  OpenView view;
  PostMessageW(view.ParentView(), WM_COMMAND, 293, 0);
  HWND dialog = view.session().WindowTitled(L"リモート電源オン");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Names(GetDlgItem(dialog, IDC_POWER_LIST)), (std::vector<std::wstring>{L"DENGEN-D"}));
  EXPECT_EQ(view.session().Click(dialog, IDCANCEL), Messages{});
  EXPECT_TRUE(WaitUntilGone(dialog));
  view.Close();
}

// Neither an empty list nor NetWare printers give a printer to switch.
TEST_F(FolderView, WithoutARemotePowerPrinterOnTcpIpPowerSaysSo) {
  WriteListFile("");
  {
    OpenView view;
    EXPECT_EQ(view.session().MessagesComingOver(view.Frame(), {IDNO}).size(), 1u);  // no list: the wizard's offer
    PostMessageW(view.ParentView(), WM_COMMAND, 293, 0);
    EXPECT_EQ(view.session().MessagesComingOver(view.Frame()),
              (Messages{{L"リモート電源オンできるプリンタがありません。", Icon::Stop}}));
    view.Close();
  }
  WriteListFile("NWDENGEN,,0A:5E:91:27:00:20,127.0.27.20,0000003C,,,NetWare,0,0\r\n");
  OpenView view;
  PostMessageW(view.ParentView(), WM_COMMAND, 294, 0);
  EXPECT_EQ(view.session().MessagesComingOver(view.Frame()),
            (Messages{{L"リモート電源オフできるプリンタがありません。", Icon::Stop}}));
  view.Close();
}

// Three rounds of the wake-up packet reach the sleeping printer.
TEST_F(FolderView, PowerOnWakesTheChosenSilentPrinter) {
  const char* network = std::getenv("VIEW_OWN_NETWORK");
  if (network == nullptr) GTEST_SKIP() << "needs a network of the test's own";
  const std::string sleeping = std::string(network) + ".7";
  WriteListFile("NEMURI,,0A:5E:91:26:00:07," + sleeping + ",00000000,,,TCP/IP,0,0\r\n" +
                "ICHI,,00:80:87:26:00:02," + network + ".2,00000000,,,TCP/IP,0,0\r\n");
  OpenView view;
  PostMessageW(view.ParentView(), WM_COMMAND, 293, 0);
  HWND dialog = view.session().WindowTitled(L"リモート電源オン");
  ASSERT_NE(dialog, nullptr);
  HWND list = GetDlgItem(dialog, IDC_POWER_LIST);
  EXPECT_EQ(Names(list), (std::vector<std::wstring>{L"NEMURI"}));
  ChooseRows(list, {L"NEMURI"});
  EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE; }));
  EXPECT_EQ(view.session().Click(dialog, IDOK), Messages{});
  EXPECT_TRUE(WaitFor([&] { return Received("wake", sleeping).size() == 3; }));
  view.Close();
}

}  // namespace
