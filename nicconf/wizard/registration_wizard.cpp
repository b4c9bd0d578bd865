#include "nicconf/wizard/registration_wizard.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "common/bounded_text.h"
#include "common/win/entry_guard.h"
#include "common/win/list_view.h"
#include "common/win/window_placement.h"
#include "nicconf/exchange/nic_transaction.h"
#include "nicconf/folder/field_controls.h"
#include "nicconf/folder/folder_messages.h"
#include "nicconf/folder/module.h"
#include "nicconf/ipx/ipx_jobs.h"
#include "nicconf/sheets/comm_flow.h"
#include "nicconf/sheets/core/flow_rules.h"
#include "nicconf/sheets/page_design.h"
#include "nicconf/wizard/core/found_printers.h"
#include "nicconf/wizard/core/page_search.h"
#include "nicconf/wizard/core/typed_printer.h"
#include "nicconf/wizard/core/wizard_pages.h"
#include "nicconf/wizard/wizard_dialog_ids.h"
#include "nicproto/mac_text.h"

namespace nic::wizard {
namespace {

constexpr UINT_PTR kSearchTimer = 100;
constexpr UINT kSearchPollMs = 200;
constexpr int kNextButton = 0x3024;  // the wizard's Next button
constexpr char kNextCaption[] = "次へ >";
constexpr char kNoTransport[] =
    "プリンタと通信できません。 TCP/IP プロトコルまたは NetWare プロトコルをインストールしてください。";
constexpr char kNothingFound[] =
    "プリンタは検出できませんでした。\n\nプリンタの電源が入っているか、またはネットワークケーブルが正しく接続されていることを確認してください。";
constexpr char kRegistered[] = "プリンタの登録は終了しました。";

// Texts of the pages that share a dialog with an earlier one.
struct PageTexts {
  int page;
  const char* text;
  const char* first;
  const char* firstNote;
  const char* second;
  const char* secondNote;
};
constexpr PageTexts kSharedTexts[] = {
    {kProtocolPage, "プリンタを検索するプロトコルを選択します。", "NetWare(IPX/SPX)プロトコルによる検索(&N)", nullptr,
     "TCP/IPプロトコルによる検索(&T)", nullptr},
    {kTcpMethodPage, "ネットワークプリンタを検索する方法を選択します。", "ネットワークに接続されているプリンタを検索(&T)",
     "ブロードキャストアドレスまたはIPアドレスを指定してプリンタを検索します。\n"
     "他のネットワーク上にあるプリンタを検索するときも、こちらを選択してください。",
     "IPアドレスとMACアドレスを指定して登録(&M)", "ネットワークに接続されていないプリンタを登録するときに選択します。"},
};

struct Wizard {
  int room = 0;
  std::vector<PrinterRecord> listed;
  std::vector<PrinterRecord> kept;    // what the last search kept
  std::vector<PrinterRecord> output;  // what the wizard returns
  std::uint32_t busySeconds = 1;
  HWND sheet = nullptr;
  // The search or check of a search page.
  TcpIpPageSearch tcp;
  bool ipxSearching = false;
  Exchange* read = nullptr;  // the typed TCP/IP printer's read
  bool ipxReading = false;
  HWND timerPage = nullptr;  // the search page whose timer runs
  DWORD started = 0;
  std::uint32_t totalMs = 0;
  PrinterRecord typed{};  // the printer typed on page 11 or 18
};

struct PageParam {
  Wizard* wizard;
  int page;
};

std::string Text(HWND page, int id) { return sheets::ControlText(page, id); }

// TCP/IP with the local address its look-up found.
bool TcpIpUsable() {
  const std::string& address = sheets::FlowLocalAddress();
  return FolderState().tcpUsable && !address.empty() && address != kInvalidLocalAddress;
}

bool Ticked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }

void Go(Wizard& w, int target) {
  if (target != kNoPage) PostMessageA(w.sheet, PSM_SETCURSEL, static_cast<WPARAM>(target), 0);
}

// The fields an input page checks, and which of them are enabled.
std::vector<int> FieldsOf(HWND page, int index) {
  switch (index) {
    case kNetWareNetworkPage: return {IDC_WIZARD_NETWORK};
    case kNetWareTypedPage: return {IDC_WIZARD_NETWORK, IDC_WIZARD_MAC};
    case kTcpTypedPage: return {IDC_WIZARD_ADDRESS, IDC_WIZARD_MAC};
    case kTcpSearchInputPage:
      if (Ticked(page, IDC_WIZARD_FIRST)) return {IDC_WIZARD_BROADCAST};
      return {IDC_WIZARD_RANGE_FIRST, IDC_WIZARD_RANGE_LAST};
    default: return {};
  }
}

bool FieldsValid(HWND page, int index, bool report) {
  for (const int id : FieldsOf(page, index)) {
    if (SendDlgItemMessageA(page, id, kFieldValidate, report ? 1 : 0, 0) != 1) {
      if (report) SetFocus(GetDlgItem(page, id));
      return false;
    }
  }
  return true;
}

// The search page takes only the fields of the method chosen.
void EnableSearchFields(HWND page) {
  const BOOL broadcast = Ticked(page, IDC_WIZARD_FIRST) ? TRUE : FALSE;
  EnableWindow(GetDlgItem(page, IDC_WIZARD_BROADCAST), broadcast);
  EnableWindow(GetDlgItem(page, IDC_WIZARD_RANGE_FIRST), !broadcast);
  EnableWindow(GetDlgItem(page, IDC_WIZARD_RANGE_LAST), !broadcast);
}

void UpdateInputButtons(HWND page, int index) {
  if (index == kTcpSearchInputPage) EnableSearchFields(page);
  PropSheet_SetWizButtons(GetParent(page), PSWIZB_BACK | (FieldsValid(page, index, false) ? PSWIZB_NEXT : 0));
}

void StopSearches(Wizard& w) {
  if (w.timerPage != nullptr) KillTimer(w.timerPage, kSearchTimer);
  w.timerPage = nullptr;
  w.tcp.Stop();
  if (w.ipxSearching) ipx::CancelIpxPoll();
  w.ipxSearching = false;
  if (w.read != nullptr) {
    Cancel(w.read);
    Release(w.read);
    w.read = nullptr;
  }
  w.ipxReading = false;
}

// What the search page starts; false when nothing could be started.
bool StartSearches(Wizard& w, int index) {
  const FolderModule& module = FolderState();
  const std::uint32_t ms = w.busySeconds * 1000;
  w.kept.clear();
  w.totalMs = ms;
  switch (index) {
    case kAutoSearchPage: {
      if (TcpIpUsable()) w.tcp.StartBroadcast("255.255.255.255", static_cast<std::size_t>(w.room), ms);
      if (module.ipxUsable) w.ipxSearching = ipx::StartIpxSearch(ms, nullptr);
      return w.tcp.Started() || w.ipxSearching;
    }
    case kNetWareSearchPage: {
      HWND input = PropSheet_IndexToHwnd(w.sheet, kNetWareNetworkPage);
      const std::string network = Text(input, IDC_WIZARD_NETWORK);
      w.ipxSearching = module.ipxUsable && ipx::StartIpxSearch(ms, network.c_str());
      return w.ipxSearching;
    }
    case kTcpSearchPage: {
      HWND input = PropSheet_IndexToHwnd(w.sheet, kTcpSearchInputPage);
      const auto room = static_cast<std::size_t>(w.room);
      if (Ticked(input, IDC_WIZARD_FIRST))
        return w.tcp.StartBroadcast(Text(input, IDC_WIZARD_BROADCAST).c_str(), room, ms);
      return w.tcp.StartRange(Text(input, IDC_WIZARD_RANGE_FIRST).c_str(),
                              std::atoi(Text(input, IDC_WIZARD_RANGE_LAST).c_str()), room, ms);
    }
    case kTcpCheckPage:
      w.totalMs = w.busySeconds * 2000 + 8000;
      w.read = StartNicRead(w.typed.ip, w.typed.mac, nullptr, false, ms);
      return w.read != nullptr;
    case kNetWareCheckPage:
      w.totalMs = w.busySeconds * 2000 + 8000;
      w.ipxReading = module.ipxUsable && ipx::StartIpxRead(ms, w.typed.netnum, w.typed.mac);
      return w.ipxReading;
    default: return false;
  }
}

bool SearchesFinished(const Wizard& w) {
  if (!w.tcp.Finished()) return false;
  if (w.ipxSearching && !ipx::IsIpxPollFinished()) return false;
  if (w.read != nullptr && !IsFinished(w.read)) return false;
  if (w.ipxReading && !ipx::IsIpxSingleFinished()) return false;
  return true;
}

void KeepIpxResults(Wizard& w) {
  const ipx::ResultList* results = w.ipxSearching ? ipx::IpxResults() : nullptr;
  if (results == nullptr) return;
  for (std::uint32_t i = 0; i < results->count; ++i) KeepNetWareFound(results->records[i], w.listed, w.kept);
}

// The typed printer's check ended: registered, or back to its page.
int AfterCheck(HWND page, Wizard& w, int index) {
  const int back = index == kTcpCheckPage ? kTcpTypedPage : kNetWareTypedPage;
  TransactionBlock block;
  const TransactionBlock* answer = nullptr;
  if (w.read != nullptr && GetEndCode(w.read).endCode == kFinished) answer = GetResultBlock(w.read);
  if (w.ipxReading && ipx::CollectIpxSingle(block)) answer = &block;
  PrinterRecord record{};
  TypedAnswer found = TypedPrinterFromRead(answer, w.typed.mac, record);
  if (found == TypedAnswer::Registered && index == kNetWareCheckPage) {
    CopyBoundedText(record.netnum, w.typed.netnum);
    CopyBoundedText(record.protocol, "NetWare");
  }
  StopSearches(w);
  if (found == TypedAnswer::NoAnswer) {
    if (ShowFolderText(page, MessageLevel::Error, kNoAnswerQuestion, MB_YESNO) != IDYES) return back;
    record = w.typed;
    found = TypedAnswer::Registered;
  }
  if (found != TypedAnswer::Registered) {
    ShowFolderText(page, MessageLevel::Error, TypedAnswerText(found));
    return back;
  }
  w.output.assign(1, record);
  return kRegisteredPage;
}

void SearchTick(HWND page, Wizard& w, int index) {
  const DWORD elapsed = GetTickCount() - w.started;
  SendDlgItemMessageA(page, IDC_WIZARD_PROGRESS, PBM_SETPOS, ProgressPercent(elapsed, w.totalMs), 0);
  if (!SearchesFinished(w)) return;
  KillTimer(page, kSearchTimer);
  w.timerPage = nullptr;
  if (index == kTcpCheckPage || index == kNetWareCheckPage) {
    Go(w, AfterCheck(page, w, index));
    return;
  }
  w.tcp.KeepFound(w.listed, w.kept);
  KeepIpxResults(w);
  StopSearches(w);
  Go(w, AfterSearch(index, !w.kept.empty()));
}

void EnterSearch(HWND page, Wizard& w, int index) {
  PropSheet_SetWizButtons(w.sheet, 0);
  SendDlgItemMessageA(page, IDC_WIZARD_PROGRESS, PBM_SETRANGE32, 0, 100);
  SendDlgItemMessageA(page, IDC_WIZARD_PROGRESS, PBM_SETPOS, 0, 0);
  w.started = GetTickCount();
  if (!StartSearches(w, index)) {
    StopSearches(w);
    ShowFolderText(page, MessageLevel::Error, "プリンタと通信できません。(116)");
    PropSheet_PressButton(w.sheet, PSBTN_CANCEL);
    return;
  }
  w.timerPage = page;
  if (SetTimer(page, kSearchTimer, kSearchPollMs, nullptr) == 0) {
    StopSearches(w);
    ShowFolderText(page, MessageLevel::Error, "プリンタと通信できません。(117)");
    PropSheet_PressButton(w.sheet, PSBTN_CANCEL);
  }
}

int StringWidth(HWND list, const char* text) {
  return static_cast<int>(SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text)));
}

void FillResults(HWND page, const Wizard& w, int index) {
  HWND list = GetDlgItem(page, IDC_WIZARD_RESULTS);
  ListView_DeleteAllItems(list);
  while (ListView_DeleteColumn(list, 0)) {
  }
  // The address columns as wide as their longest value; the name takes
  // what is left.
  struct Column {
    const char* header;
    const char* widest;
  };
  std::vector<Column> columns{{"プリンタ名", nullptr}};
  if (index == kNetWareResultsPage) columns.push_back({"ネットワーク番号", "DDDDDDDD"});
  if (index == kTcpResultsPage) columns.push_back({"IPアドレス", "888.888.888.888"});
  columns.push_back({"MACアドレス", "DD:DD:DD:DD:DD:DD"});
  RECT area{};
  GetClientRect(list, &area);
  int left = area.right - GetSystemMetrics(SM_CXVSCROLL);
  std::vector<int> widths(columns.size());
  for (std::size_t c = columns.size() - 1; c > 0; --c) {
    const int text = std::max(StringWidth(list, columns[c].header), StringWidth(list, columns[c].widest));
    widths[c] = text + 16;
    left -= widths[c];
  }
  widths[0] = std::max(left, 60);
  for (std::size_t c = 0; c < columns.size(); ++c)
    AddListColumn(list, static_cast<int>(c), columns[c].header, widths[c]);
  for (const PrinterRecord& r : w.kept) {
    std::vector<const char*> cells{r.name};
    if (index == kNetWareResultsPage) cells.push_back(r.netnum);
    if (index == kTcpResultsPage) cells.push_back(r.ip);
    cells.push_back(r.mac);
    AddListRow(list, cells);
  }
}

// Next on a results page: the chosen rows become the output.
bool TakeResults(HWND page, Wizard& w) {
  HWND list = GetDlgItem(page, IDC_WIZARD_RESULTS);
  std::vector<ChosenRow> rows;
  const int count = ListView_GetItemCount(list);
  const int macColumn = Header_GetItemCount(ListView_GetHeader(list)) - 1;
  for (int i = 0; i < count; ++i) {
    if ((ListView_GetItemState(list, i, LVIS_SELECTED) & LVIS_SELECTED) == 0) continue;
    char name[80] = {}, mac[32] = {};
    ListView_GetItemText(list, i, 0, name, sizeof name);
    ListView_GetItemText(list, i, macColumn, mac, sizeof mac);
    rows.push_back({name, mac});
  }
  std::vector<PrinterRecord> chosen = w.kept;
  const ChoiceRefusal refusal = TakeChosen(chosen, rows, w.room);
  if (refusal != ChoiceRefusal::None) {
    ShowFolderText(page, MessageLevel::Error, RefusalText(refusal, w.room));
    return false;
  }
  w.output = std::move(chosen);
  return true;
}

// Next on a typed page: the printer it names, unless the folder has it.
bool TakeTyped(HWND page, Wizard& w, int index) {
  const bool netWare = index == kNetWareTypedPage;
  const std::string mac = Text(page, IDC_WIZARD_MAC);
  const std::string ip = netWare ? std::string("-----") : Text(page, IDC_WIZARD_ADDRESS);
  const std::string network = netWare ? Text(page, IDC_WIZARD_NETWORK) : std::string("00000000");
  const auto listed = [&](const PrinterRecord& r) { return CompareMacText(r.mac, mac.c_str()) == 0; };
  if (netWare && std::any_of(w.listed.begin(), w.listed.end(), listed)) {
    ShowFolderText(page, MessageLevel::Error, kMacAlreadyListed);
    return false;
  }
  w.typed = UnansweredPrinter(ip.c_str(), mac.c_str(), network.c_str(), netWare ? "NetWare" : "TCP/IP");
  return true;
}

int Choice(HWND page) { return Ticked(page, IDC_WIZARD_SECOND) ? 1 : 0; }

void Activated(HWND page, Wizard& w, int index) {
  SetDlgItemTextA(w.sheet, kNextButton, kNextCaption);
  switch (KindOf(index)) {
    case PageKind::Text: PropSheet_SetWizButtons(w.sheet, PSWIZB_NEXT); break;
    case PageKind::Choice:
    case PageKind::Results: PropSheet_SetWizButtons(w.sheet, PSWIZB_BACK | PSWIZB_NEXT); break;
    case PageKind::Input: UpdateInputButtons(page, index); break;
    case PageKind::Search: EnterSearch(page, w, index); break;
    case PageKind::End:
      if (index != kRegisteredPage) {
        if (w.output.empty()) MessageBeep(MB_ICONEXCLAMATION);
        SetDlgItemTextA(page, IDC_WIZARD_TEXT, w.output.empty() ? kNothingFound : kRegistered);
      }
      PropSheet_SetWizButtons(w.sheet, PSWIZB_FINISH);
      break;
  }
  if (KindOf(index) == PageKind::Results) FillResults(page, w, index);
}

int NextOf(HWND page, Wizard& w, int index) {
  switch (KindOf(index)) {
    case PageKind::Choice: return NextPage(index, Choice(page));
    case PageKind::Input:
      if (!FieldsValid(page, index, true)) return kNoPage;
      if ((index == kTcpTypedPage || index == kNetWareTypedPage) && !TakeTyped(page, w, index)) return kNoPage;
      return NextPage(index);
    case PageKind::Results: return TakeResults(page, w) ? NextPage(index) : kNoPage;
    default: return NextPage(index);
  }
}

void Opened(HWND page, Wizard& w, int index) {
  w.sheet = GetParent(page);
  if (index == kRegisteredPage) SetDlgItemTextA(page, IDC_WIZARD_TEXT, kRegistered);
  for (const PageTexts& t : kSharedTexts) {
    if (t.page != index) continue;
    SetDlgItemTextA(page, IDC_WIZARD_TEXT, t.text);
    SetDlgItemTextA(page, IDC_WIZARD_FIRST, t.first);
    SetDlgItemTextA(page, IDC_WIZARD_SECOND, t.second);
    if (t.firstNote != nullptr) SetDlgItemTextA(page, IDC_WIZARD_FIRST_NOTE, t.firstNote);
    if (t.secondNote != nullptr) SetDlgItemTextA(page, IDC_WIZARD_SECOND_NOTE, t.secondNote);
  }
  if (KindOf(index) == PageKind::Choice || index == kTcpSearchInputPage) CheckDlgButton(page, IDC_WIZARD_FIRST, BST_CHECKED);
  if (index == kTcpSearchInputPage) SendDlgItemMessageA(page, IDC_WIZARD_RANGE_LAST, kFieldSetRange, 0, MAKELONG(1, 254));
  if (KindOf(index) == PageKind::Results) {
    ListView_SetExtendedListViewStyle(GetDlgItem(page, IDC_WIZARD_RESULTS), LVS_EX_FULLROWSELECT);
  }
}

INT_PTR Notified(HWND page, Wizard& w, int index, const NMHDR& header) {
  int target = kNoPage;
  switch (header.code) {
    case PSN_SETACTIVE: Activated(page, w, index); SetWindowLongPtrA(page, DWLP_MSGRESULT, 0); return TRUE;
    case PSN_WIZNEXT: target = NextOf(page, w, index); break;
    case PSN_WIZBACK: target = BackPage(index); break;
    case PSN_QUERYCANCEL:
    case PSN_RESET:
      StopSearches(w);
      w.output.clear();
      return FALSE;
    default: return FALSE;
  }
  // The wizard moves by page index: several pages share one dialog.
  Go(w, target);
  SetWindowLongPtrA(page, DWLP_MSGRESULT, -1);
  return TRUE;
}

INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedEntry<INT_PTR>(FALSE, [&]() -> INT_PTR {
    if (message == WM_INITDIALOG) {
      auto* param = reinterpret_cast<PageParam*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
      SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<LONG_PTR>(param));
      Opened(page, *param->wizard, param->page);
      return TRUE;
    }
    auto* param = reinterpret_cast<PageParam*>(GetWindowLongPtrA(page, DWLP_USER));
    if (param == nullptr) return FALSE;
    Wizard& w = *param->wizard;
    switch (message) {
      case WM_NOTIFY: return Notified(page, w, param->page, *reinterpret_cast<NMHDR*>(lParam));
      case WM_TIMER:
        if (wParam == kSearchTimer) SearchTick(page, w, param->page);
        return TRUE;
      case WM_COMMAND:
        // Every change of an input page's fields or radios re-checks Next.
        if (KindOf(param->page) == PageKind::Input) UpdateInputButtons(page, param->page);
        return FALSE;
      default: return FALSE;
    }
  });
}

// The wizard opens over the window it was started from.
int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM) {
  if (message == PSCB_INITIALIZED) CenterOver(sheet, GetWindow(sheet, GW_OWNER));
  return 0;
}

}  // namespace

std::vector<PrinterRecord> RunRegistrationWizard(HWND owner, int room, std::span<const PrinterRecord> listed) {
  const FolderModule& module = FolderState();
  if (module.tcpUsable) sheets::LearnLocalAddress(owner);
  if (!TcpIpUsable() && !module.ipxUsable) {
    ShowFolderText(owner, MessageLevel::Error, kNoTransport);
    return {};
  }
  auto w = std::make_unique<Wizard>();
  w->room = room;
  w->listed.assign(listed.begin(), listed.end());
  w->busySeconds = BusyTimeoutSeconds();
  std::array<PageParam, kWizardPageCount> params{};
  std::array<PROPSHEETPAGEA, kWizardPageCount> pages{};
  for (int i = 0; i < kWizardPageCount; ++i) {
    params[i] = {w.get(), i};
    PROPSHEETPAGEA& p = pages[i];
    p.dwSize = sizeof p;
    p.dwFlags = PSP_USETITLE;
    p.hInstance = FolderInstance();
    p.pszTemplate = MAKEINTRESOURCEA(LookOfWizardPage(i).dialog);
    p.pszTitle = LookOfWizardPage(i).title;
    p.pfnDlgProc = PageProc;
    p.lParam = reinterpret_cast<LPARAM>(&params[i]);
  }
  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_WIZARD | PSH_USECALLBACK;
  header.pfnCallback = SheetCallback;
  header.hwndParent = owner;
  header.hInstance = FolderInstance();
  header.nPages = kWizardPageCount;
  header.ppsp = pages.data();
  const INT_PTR finished = PropertySheetA(&header);
  StopSearches(*w);
  if (finished <= 0) return {};
  for (PrinterRecord& r : w->output) {
    r.status[0] = '\0';
    r.value1 = 0;
    r.value2 = 0;
  }
  return w->output;
}

}  // namespace nic::wizard
