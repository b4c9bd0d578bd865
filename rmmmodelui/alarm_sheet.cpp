#include "rmmmodelui/alarm_sheet.h"

#include <commctrl.h>

#include <array>
#include <optional>
#include <string>

#include "common/dav_registry.h"
#include "common/win/context_help.h"
#include "common/win/dialog_text.h"
#include "common/win/entry_guard.h"
#include "common/win/sheet_apply_watch.h"
#include "common/win/this_module.h"
#include "rmmmodelui/alarm_dialog_ids.h"
#include "rmmmodelui/alarm_preview.h"
#include "rmmmodelui/alarm_settings.h"
#include "rmmmodelui/column_callback.h"
#include "rmmmodelui/core/alarm_pages.h"

namespace rmmui {
namespace {

constexpr char kSheetCaption[] = "アラームの発信設定";

struct PageWork {
  AlarmSheetRecord* record;
  AlarmPage page;
  std::string helpFile;
  bool filling = false;  // the page's own filling marks nothing changed
};

PageWork& WorkOf(HWND page) { return *reinterpret_cast<PageWork*>(GetWindowLongPtrA(page, DWLP_USER)); }

struct TypedPage {
  bool ticked;
  std::string to, cc, comment;
};

TypedPage Typed(HWND page) {
  return {IsDlgButtonChecked(page, IDC_ALARM_NOTIFY) == BST_CHECKED, ItemText(page, IDC_ALARM_TO, kToRoom + 1),
          ItemText(page, IDC_ALARM_CC, kCcRoom + 1), ItemText(page, IDC_ALARM_COMMENT, kCommentRoom + 1)};
}

// Shows the first failing check's warning; true when every check passed.
bool Check(HWND page, const TypedPage& typed) {
  const std::optional<PageWarning> warning = CheckPage(typed.ticked, typed.to, typed.cc, typed.comment);
  if (warning) MessageBoxA(page, warning->text.c_str(), warning->caption.c_str(), MB_OK | MB_ICONWARNING);
  return !warning;
}

void EnableFields(HWND page, bool ticked) {
  for (int control : {IDC_ALARM_TO, IDC_ALARM_CC, IDC_ALARM_COMMENT, IDC_ALARM_DEFAULT, IDC_ALARM_PREVIEW})
    EnableWindow(GetDlgItem(page, control), ticked);
}

void Fill(HWND page, PageWork& work) {
  SendDlgItemMessageA(page, IDC_ALARM_TO, EM_LIMITTEXT, kToRoom, 0);
  SendDlgItemMessageA(page, IDC_ALARM_CC, EM_LIMITTEXT, kCcRoom, 0);
  SendDlgItemMessageA(page, IDC_ALARM_COMMENT, EM_LIMITTEXT, kCommentRoom, 0);
  const AlarmPageDesign& design = DesignOf(work.page);
  AlarmSheetRecord& record = *work.record;
  if (const RegistryKey own = OpenPrinterSettings(record.printer)) {
    work.filling = true;
    SetDlgItemTextA(page, IDC_ALARM_TO, own.ReadTextUpTo(design.toValue, kToRoom + 1).c_str());
    SetDlgItemTextA(page, IDC_ALARM_CC, own.ReadTextUpTo(design.ccValue, kCcRoom + 1).c_str());
    SetDlgItemTextA(page, IDC_ALARM_COMMENT, own.ReadTextUpTo(design.commentValue, kCommentRoom + 1).c_str());
    work.filling = false;
    record.notify = own.ReadDword(dav::kCheckMail).value_or(0);
  }
  const bool ticked = (record.notify & design.bit) != 0;
  CheckDlgButton(page, IDC_ALARM_NOTIFY, ticked ? BST_CHECKED : BST_UNCHECKED);
  EnableFields(page, ticked);
  HWND title = record.titleWindow != nullptr ? record.titleWindow : GetParent(page);
  SetWindowTextA(title, SheetTitle(record.printer).c_str());
}

void Ticked(HWND page, PageWork& work) {
  const bool ticked = IsDlgButtonChecked(page, IDC_ALARM_NOTIFY) == BST_CHECKED;
  const DWORD bit = DesignOf(work.page).bit;
  work.record->notify = ticked ? work.record->notify | bit : work.record->notify & ~bit;
  EnableFields(page, ticked);
  PropSheet_Changed(GetParent(page), page);
}

void PutDefaults(HWND page) {
  const auto [to, cc] = DefaultRecipients();
  SetDlgItemTextA(page, IDC_ALARM_TO, to.c_str());
  SetDlgItemTextA(page, IDC_ALARM_CC, cc.c_str());
}

// The values are stored whatever the checks say; a failed check only keeps
// the sheet open, so nothing typed is lost.
LRESULT Save(HWND page, PageWork& work) {
  const RegistryKey own = OpenPrinterSettings(work.record->printer);
  if (!own) return PSNRET_NOERROR;
  const TypedPage typed = Typed(page);
  const bool passed = Check(page, typed);
  const AlarmPageDesign& design = DesignOf(work.page);
  own.WriteString(design.toValue, typed.to);
  own.WriteString(design.ccValue, typed.cc);
  own.WriteString(design.commentValue, typed.comment);
  DWORD& notify = work.record->notify;
  notify = typed.ticked ? notify | design.bit : notify & ~design.bit;
  own.WriteDword(dav::kCheckMail, notify);
  PropSheet_UnChanged(GetParent(page), page);
  TellColumn(work.record->item);
  return passed ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
}

INT_PTR Notified(HWND page, const NMHDR& header) {
  LRESULT result = 0;
  switch (header.code) {
    // When the sheet applies, the save makes the checks instead.
    case PSN_KILLACTIVE: result = !SheetApplying() && !Check(page, Typed(page)); break;
    case PSN_APPLY: result = Save(page, WorkOf(page)); break;
    default: return FALSE;
  }
  SetWindowLongPtrA(page, DWLP_MSGRESULT, result);
  return TRUE;
}

void Commanded(HWND page, int control, int code) {
  PageWork& work = WorkOf(page);
  if (code == EN_CHANGE) {
    if (!work.filling) PropSheet_Changed(GetParent(page), page);
    return;
  }
  if (code != BN_CLICKED) return;
  switch (control) {
    case IDC_ALARM_NOTIFY: Ticked(page, work); break;
    case IDC_ALARM_DEFAULT: PutDefaults(page); break;
    case IDC_ALARM_PREVIEW: ShowAlarmPreview(GetParent(page), work.page, *work.record); break;
    default: break;
  }
}

// A label shares its field's topic; the check box has its page's own.
std::array<HelpTopic, 10> TopicsOf(AlarmPage page) {
  return {{{IDC_ALARM_GROUP, 50501},
           {IDC_ALARM_NOTIFY, static_cast<DWORD>(DesignOf(page).checkHelpId)},
           {IDC_ALARM_TO_LABEL, 50502},
           {IDC_ALARM_TO, 50502},
           {IDC_ALARM_CC_LABEL, 50503},
           {IDC_ALARM_CC, 50503},
           {IDC_ALARM_DEFAULT, 50504},
           {IDC_ALARM_COMMENT_LABEL, 50505},
           {IDC_ALARM_COMMENT, 50505},
           {IDC_ALARM_PREVIEW, 50601}}};
}

INT_PTR CALLBACK AlarmPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedEntry<INT_PTR>(FALSE, [&]() -> INT_PTR {
    if (message == WM_INITDIALOG) {
      auto* work = reinterpret_cast<PageWork*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
      SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<LONG_PTR>(work));
      work->helpFile = ModelHelpFile(work->record->printer);
      Fill(page, *work);
      return TRUE;
    }
    if (GetWindowLongPtrA(page, DWLP_USER) == 0) return FALSE;
    switch (message) {
      case WM_COMMAND: Commanded(page, LOWORD(wParam), HIWORD(wParam)); return TRUE;
      case WM_NOTIFY: return Notified(page, *reinterpret_cast<NMHDR*>(lParam));
      case WM_HELP:
        return ShowContextHelp(*reinterpret_cast<HELPINFO*>(lParam), TopicsOf(WorkOf(page).page),
                               WorkOf(page).helpFile.c_str());
      case WM_CONTEXTMENU:
        return ShowContextMenuHelp(reinterpret_cast<HWND>(wParam), TopicsOf(WorkOf(page).page),
                                   WorkOf(page).helpFile.c_str());
      default: return FALSE;
    }
  });
}

PROPSHEETPAGEA PageOf(PageWork& work) {
  PROPSHEETPAGEA page{};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_USETITLE;
  page.hInstance = ThisModule();
  page.pszTemplate = MAKEINTRESOURCEA(IDD_ALARM_PAGE);
  page.pszTitle = DesignOf(work.page).caption;
  page.pfnDlgProc = AlarmPageProc;
  page.lParam = reinterpret_cast<LPARAM>(&work);
  return page;
}

}  // namespace

void ShowAlarmSheet(AlarmSheetRecord& record) {
  PageWork toner{&record, AlarmPage::Toner, {}};
  PageWork maintenance{&record, AlarmPage::Maintenance, {}};
  PROPSHEETPAGEA pages[] = {PageOf(toner), PageOf(maintenance)};
  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK;
  header.hInstance = ThisModule();
  header.pszCaption = kSheetCaption;
  header.nPages = 2;
  header.ppsp = pages;
  header.pfnCallback = WatchSheetApplies;
  PlaceNextSheetOver(record.titleWindow);
  PropertySheetA(&header);
}

}  // namespace rmmui
