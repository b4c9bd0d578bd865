// A look at the setting sheets' dialogs as nicconf.dll carries them, filled
// with long sample values, for judging the layout on screen. Not a test.
//
//   sheet_gallery pages                the sheet with every page
//   sheet_gallery page N               the sheet opened at page N (from 0)
//   sheet_gallery panel 119|118|121    the NetWare page showing that panel
//   sheet_gallery wait|context|password  that dialog
//   sheet_gallery printer IP MAC [NETWORK]  the real sheet of that printer,
//                                      read and written through the DLL's
//                                      entry (with NETWORK over IPX)
//
// It runs until its windows close or a minute has passed.
#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <iterator>

#include "common/win/library.h"
#include "nicconf/sheets/sheet_dialog_ids.h"

namespace {

HINSTANCE g_dialogs = nullptr;
int g_firstPanel = IDD_NETWARE_GENERAL;
int g_openDialogs = 0;

struct Sample {
  int id;
  const wchar_t* text;
};

// Values as long as the fields take, so clipping shows.
constexpr Sample kSamples[] = {
    {IDC_LAN_MAC_ADDRESS, L"00:80:87:00:01:11"},
    {IDC_LAN_HARDWARE_TYPE, L"NRV FastEthernet A1"},
    {IDC_LAN_FIRMWARE, L"Ver 2.31 (2001/03/15)"},
    {IDC_LAN_PRINTER_NAME, L"PRN-SALES-DIVISION-3F-EAST-WING-COLOR-LASER-01A"},
    {IDC_LAN_ACCESS_LABEL, L"25秒"},
    {IDC_TCPIP_ADDRESS, L"192.168.100.200"},
    {IDC_TCPIP_MASK, L"255.255.255.0"},
    {IDC_DETAIL_GATEWAY, L"192.168.100.254"},
    {IDC_DETAIL_SESSIONS, L"64"},
    {IDC_DETAIL_TIMEOUT, L"7200"},
    {IDC_DETAIL_FTP_TIMEOUT, L"60"},
    {IDC_NWGEN_NETWORK, L"C0A86400"},
    {IDC_NWGEN_MAC_ADDRESS, L"00:80:87:00:01:11"},
    {IDC_NWGEN_SERVER_NAME, L"PS-SALES-DIVISION-3F-EAST-WING-COLOR-LASER-01A"},
    {IDC_NWSRV_FILE_SERVER, L"FS-TOKYO-HEADQUARTERS-BUILDING-A-7F-MAIN-SERVER"},
    {IDC_NWSRV_CONTEXT, L"OU=PRINTERS.OU=SALES.OU=TOKYO.O=NRV-CORPORATION"},
    {IDC_NWSRV_LOGIN, L"255"},
    {IDC_NWMODE_QUEUE, L"255"},
    {IDC_NWMODE_NUMBER, L"255"},
    {IDC_PASSWORD_OLD, L"secret"},
    {IDC_CONTEXT_TEXT, L"OU=PRINTERS_3F.OU=SALES.OU=TOKYO.O=NRV-CORPORATION"},
    {IDC_ATALK_NETWORK, L"65280"},
    {IDC_ATALK_NODE, L"253"},
    {IDC_ATALK_PRINTER_NAME, L"Sales Laser Printer 3F East"},
    {IDC_ATALK_ZONE, L"Tokyo_Headquarters-Building-7F"},
    {IDC_ATALK_ENTITY1, L"LaserWriter"},
    {IDC_ATALK_ENTITY2, L"Sales Laser Printer 3F East"},
    {IDC_ATALK_ENTITY3, L"Tokyo_Headquarters-Building-7F"},
    {IDC_ATALK_ENTITY4, L"NRV-LASER-9800C_PS"},
    {IDC_SNMP_COMMUNITY1, L"public"},
    {IDC_SNMP_COMMUNITY2, L"private"},
    {IDC_SNMP_COMMUNITY3, L"NRV-ADMIN_COMMUNITY-0123456789AB"},
    {IDC_SNMP_COMMUNITY4, L"sales_tokyo-3f"},
    {IDC_SNMP_TRAP1_ADDRESS, L"192.168.100.10"},
    {IDC_SNMP_TRAP1_COMMUNITY, L"public"},
    {IDC_SNMP_TRAP2_ADDRESS, L"192.168.200.222"},
    {IDC_SNMP_TRAP2_COMMUNITY, L"NRV-ADMIN_COMMUNITY-0123456789AB"},
    {IDC_POWER_OFF_DELAY_TEXT, L"600秒"},
    {IDC_POWER_AUTO_DELAY_TEXT, L"60分"},
    {IDC_MAIL_SERVER, L"192.168.100.25"},
    {IDC_MAIL_TO, L"printer-admin@sales.tokyo.example-corporation.co.jp"},
    {IDC_MAIL_CC, L"helpdesk@example-corporation.co.jp"},
    {IDC_MAIL_FROM, L"prn-sales-3f@sales.tokyo.example-corporation.co.jp"},
    {IDC_MAIL_BODY,
     L"Printer Name : PRN-SALES-DIVISION-3F-EAST-WING-COLOR-LASER-01A [192.168.100.200]\r\n"
     L"This printer is low on toner.\r\nYou may install new toner cartridge."},
    {IDC_INFO_MODEL, L"NRV LaserPrinter 9800C PS/PCL Duplex Color"},
};

struct Range {
  int spin;
  int low;
  int high;
};

constexpr Range kSpinRanges[] = {
    {IDC_DETAIL_SESSIONS_SPIN, 1, 64},     {IDC_DETAIL_TIMEOUT_SPIN, 30, 7200},
    {IDC_DETAIL_FTP_TIMEOUT_SPIN, 5, 60},  {IDC_NWSRV_LOGIN_SPIN, 0, 255},
    {IDC_NWMODE_QUEUE_SPIN, 1, 255},       {IDC_NWMODE_NUMBER_SPIN, 0, 255},
};

struct Slider {
  int id;
  int low;
  int high;
  int tick;
  int position;
};

constexpr Slider kSliders[] = {
    {IDC_LAN_ACCESS_SLIDER, 0, 5, 1, 5},
    {IDC_POWER_OFF_DELAY, 0, 600, 30, 600},
    {IDC_POWER_AUTO_DELAY, 1, 12, 1, 12},
};

constexpr int kChecked[] = {
    IDC_TCPIP_MANUAL, IDC_DETAIL_KEEPALIVE, IDC_NWSRV_NDS, IDC_NWMODE_PRINT_SERVER,
    IDC_SNMP_TRAP1, IDC_SNMP_TRAP2, IDC_POWER_OFF_ENABLE, IDC_POWER_OFF_NOT_ON_ERROR,
    IDC_POWER_AUTO_OFF, IDC_LOG_CREATE, IDC_LOG_PRINT, IDC_LINK_MANUAL, IDC_LINK_100,
    IDC_LINK_FULL, IDC_MAIL_ENABLE,
};

void FillOptions(HWND list) {
  ListView_SetBkColor(list, GetSysColor(COLOR_BTNFACE));
  ListView_SetTextBkColor(list, GetSysColor(COLOR_BTNFACE));
  for (int column = 0; column < 3; ++column) {
    LVCOLUMNW description{};
    description.mask = LVCF_WIDTH;
    description.cx = 10;
    SendMessageW(list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&description));
  }
  const wchar_t* const rows[][2] = {
      {L"ハードディスク", L"2048MB"}, {L"メモリサイズ", L"131072KB"}, {L"オフセットトレイ", L""},
      {L"両面印刷ユニット", L""},      {L"ソータユニット", L""},        {L"メ－ルボックス", L""},
      {L"フィニッシャ", L""},          {L"フェイスアップトレイ", L""},
  };
  int index = 0;
  for (const auto& row : rows) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(row[0]);
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = const_cast<wchar_t*>(row[1]);
    SendMessageW(list, LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item));
    ++index;
  }
  for (int column = 0; column < 3; ++column) ListView_SetColumnWidth(list, column, LVSCW_AUTOSIZE);
}

void FillTree(HWND tree) {
  const wchar_t* const path[] = {L"NRV-CORPORATION", L"TOKYO", L"SALES", L"PRINTERS"};
  HTREEITEM parent = TVI_ROOT;
  for (const wchar_t* name : path) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<wchar_t*>(name);
    const HTREEITEM added = reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    if (parent != TVI_ROOT) TreeView_Expand(tree, parent, TVE_EXPAND);
    parent = added;
  }
  TreeView_SelectItem(tree, parent);
}

// Whatever of the samples this dialog has.
void FillSamples(HWND dialog) {
  for (const Sample& sample : kSamples)
    if (HWND control = GetDlgItem(dialog, sample.id)) SetWindowTextW(control, sample.text);
  for (const Range& range : kSpinRanges)
    if (HWND spin = GetDlgItem(dialog, range.spin)) SendMessageW(spin, UDM_SETRANGE32, range.low, range.high);
  for (const Slider& slider : kSliders) {
    HWND control = GetDlgItem(dialog, slider.id);
    if (control == nullptr) continue;
    SendMessageW(control, TBM_SETRANGE, FALSE, MAKELPARAM(slider.low, slider.high));
    SendMessageW(control, TBM_SETTICFREQ, slider.tick, 0);
    SendMessageW(control, TBM_SETPAGESIZE, 0, slider.tick);
    SendMessageW(control, TBM_SETPOS, TRUE, slider.position);
  }
  for (int id : kChecked)
    if (HWND control = GetDlgItem(dialog, id)) SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
  if (HWND list = GetDlgItem(dialog, IDC_INFO_OPTIONS)) FillOptions(list);
  if (HWND languages = GetDlgItem(dialog, IDC_INFO_LANGUAGES)) {
    for (const wchar_t* name : {L"PostScript Level 3", L"PCL 6 / PCL 5e", L"ESC/Page", L"HP-GL/2"})
      SendMessageW(languages, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  }
  if (HWND tree = GetDlgItem(dialog, IDC_CONTEXT_TREE)) FillTree(tree);
}

INT_PTR CALLBACK PanelProc(HWND panel, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return FALSE;
  FillSamples(panel);
  return TRUE;
}

constexpr int kPanels[] = {IDD_NETWARE_GENERAL, IDD_NETWARE_SERVER, IDD_NETWARE_MODE};
constexpr const wchar_t* kCategories[] = {L"一般設定", L"ファイルサーバ設定", L"動作モード設定"};

// The NetWare page's panels, created on first choice, below the line.
void ShowPanel(HWND page, int index) {
  for (int other = 0; other < static_cast<int>(std::size(kPanels)); ++other) {
    HWND created = GetDlgItem(page, kPanels[other]);
    if (created != nullptr && other != index) ShowWindow(created, SW_HIDE);
  }
  HWND panel = GetDlgItem(page, kPanels[index]);
  if (panel == nullptr) {
    panel = CreateDialogParamW(g_dialogs, MAKEINTRESOURCEW(kPanels[index]), page, PanelProc, 0);
    if (panel == nullptr) return;
    // The page's themed background, not the plain dialog colour.
    EnableThemeDialogTexture(panel, ETDT_ENABLETAB);
    SetWindowLongPtrW(panel, GWLP_ID, kPanels[index]);
    RECT line;
    GetWindowRect(GetDlgItem(page, IDC_NETWARE_SEPARATOR), &line);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&line), 2);
    RECT gap{0, 0, 0, 3};
    MapDialogRect(page, &gap);
    SetWindowPos(panel, GetDlgItem(page, IDC_NETWARE_CATEGORY), 0, line.bottom + gap.bottom, 0, 0,
                 SWP_NOSIZE);
  }
  ShowWindow(panel, SW_SHOW);
}

INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    FillSamples(page);
    if (HWND category = GetDlgItem(page, IDC_NETWARE_CATEGORY)) {
      for (const wchar_t* name : kCategories)
        SendMessageW(category, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
      int first = 0;
      while (kPanels[first] != g_firstPanel) ++first;
      SendMessageW(category, CB_SETCURSEL, first, 0);
      ShowPanel(page, first);
    }
    return TRUE;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == IDC_NETWARE_CATEGORY && HIWORD(wParam) == CBN_SELCHANGE) {
    const auto chosen = SendDlgItemMessageW(page, IDC_NETWARE_CATEGORY, CB_GETCURSEL, 0, 0);
    if (chosen >= 0) ShowPanel(page, static_cast<int>(chosen));
    return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      FillSamples(dialog);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) DestroyWindow(dialog);
      return TRUE;
    case WM_DESTROY:
      if (--g_openDialogs == 0) PostQuitMessage(0);
      return TRUE;
    default:
      return FALSE;
  }
}

constexpr int kPages[] = {IDD_LAN_BOARD,    IDD_TCPIP,     IDD_TCPIP_DETAIL, IDD_NETWARE,
                          IDD_APPLETALK,    IDD_SNMP,      IDD_REMOTE_POWER, IDD_PRINT_LOG,
                          IDD_LINK,         IDD_MAIL_NOTICE, IDD_INFORMATION};

HWND OpenSheet(int startPage) {
  PROPSHEETPAGEW pages[std::size(kPages)]{};
  HPROPSHEETPAGE handles[std::size(kPages)]{};
  for (size_t i = 0; i < std::size(kPages); ++i) {
    pages[i].dwSize = sizeof pages[i];
    pages[i].hInstance = g_dialogs;
    pages[i].pszTemplate = MAKEINTRESOURCEW(kPages[i]);
    pages[i].pfnDlgProc = PageProc;
    // The mail page's template caption is longer than its tab's.
    if (kPages[i] == IDD_MAIL_NOTICE) {
      pages[i].dwFlags |= PSP_USETITLE;
      pages[i].pszTitle = L"メール通知";
    }
    handles[i] = CreatePropertySheetPageW(&pages[i]);
  }
  PROPSHEETHEADERW header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_MODELESS | PSH_NOAPPLYNOW;
  header.hInstance = g_dialogs;
  header.pszCaption = L"PRN1";
  header.nPages = static_cast<UINT>(std::size(handles));
  header.nStartPage = static_cast<UINT>(startPage);
  header.phpage = handles;
  return reinterpret_cast<HWND>(PropertySheetW(&header));
}

HWND OpenDialog(int id) {
  HWND dialog = CreateDialogParamW(g_dialogs, MAKEINTRESOURCEW(id), nullptr, DialogProc, 0);
  if (dialog == nullptr) return nullptr;
  ++g_openDialogs;
  ShowWindow(dialog, SW_SHOW);
  return dialog;
}

int Run(HWND sheet) {
  SetTimer(nullptr, 0, 60 * 1000, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.hwnd == nullptr && message.message == WM_TIMER) break;
    if (sheet != nullptr) {
      const bool handled = PropSheet_IsDialogMessage(sheet, &message);
      // A modeless sheet closed by OK or Cancel has no current page.
      if (PropSheet_GetCurrentPageHwnd(sheet) == nullptr) break;
      if (handled) continue;
    } else if (IsDialogMessageW(GetActiveWindow(), &message)) {
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (sheet != nullptr) DestroyWindow(sheet);
  return 0;
}

// The printer record as the folder keeps it.
struct PrinterRecord {
  char name[65], model[65], mac[19], ip[19], netnum[17], version[65], status[65], protocol[17];
  unsigned value1, value2;
};
static_assert(sizeof(PrinterRecord) == 340);

int OpenPrinter(HMODULE dll, int argc, char** argv) {
  using Open = BOOL(WINAPI*)(HWND, PrinterRecord*);
  auto open = reinterpret_cast<Open>(reinterpret_cast<void*>(GetProcAddress(dll, "OpenPrinterSettings")));
  if (open == nullptr) return 1;
  PrinterRecord printer{};
  lstrcpynA(printer.name, "PRN", sizeof printer.name);
  lstrcpynA(printer.ip, argv[2], sizeof printer.ip);
  lstrcpynA(printer.mac, argv[3], sizeof printer.mac);
  lstrcpynA(printer.protocol, argc > 4 ? "NetWare" : "TCP/IP", sizeof printer.protocol);
  if (argc > 4) lstrcpynA(printer.netnum, argv[4], sizeof printer.netnum);
  return open(nullptr, &printer) ? 0 : 3;
}

int Usage() {
  MessageBoxW(nullptr, L"sheet_gallery pages | page N | panel 119|118|121 | wait | context | password | printer IP MAC [NETWORK]",
              L"sheet_gallery", MB_OK);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  // Its attach registers the edit fields the pages name.
  Library nicconf(LoadLibraryA("nicconf.dll"));
  if (!nicconf) return 1;
  g_dialogs = nicconf.get();
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  const char* what = argv[1];
  if (std::strcmp(what, "printer") == 0 && argc > 3) return OpenPrinter(nicconf.get(), argc, argv);
  if (std::strcmp(what, "pages") == 0) return Run(OpenSheet(0));
  if (std::strcmp(what, "page") == 0 && argc > 2) return Run(OpenSheet(std::atoi(argv[2])));
  if (std::strcmp(what, "panel") == 0 && argc > 2) {
    g_firstPanel = std::atoi(argv[2]);
    if (g_firstPanel != IDD_NETWARE_GENERAL && g_firstPanel != IDD_NETWARE_SERVER &&
        g_firstPanel != IDD_NETWARE_MODE)
      return Usage();
    return Run(OpenSheet(3));
  }
  const int dialog = std::strcmp(what, "wait") == 0       ? IDD_WAIT
                     : std::strcmp(what, "context") == 0  ? IDD_CONTEXT_BROWSER
                     : std::strcmp(what, "password") == 0 ? IDD_PASSWORD
                                                          : 0;
  if (dialog == 0 || OpenDialog(dialog) == nullptr) return Usage();
  return Run(nullptr);
}
