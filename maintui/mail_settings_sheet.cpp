#include "maintui/mail_settings_sheet.h"

#include <commctrl.h>

#include <span>
#include <string>
#include <vector>

#include "common/dav_registry.h"
#include "common/win/context_help.h"
#include "common/win/dialog_text.h"
#include "common/win/entry_guard.h"
#include "common/win/registry_key.h"
#include "common/win/sheet_apply_watch.h"
#include "common/win/this_module.h"
#include "maintui/core/mail_settings.h"
#include "maintui/mail_sheet_ids.h"

namespace maintui {
namespace {

constexpr char kCaption[] = "メール通知の設定";
constexpr std::size_t kHelpRoom = MAX_PATH;

struct MailPage {
  int dialog;
  std::span<const MailField> fields;  // a field's control id is its topic
  std::vector<int> groups;            // group boxes, their ids their topics
};

struct PageWork {
  const MailPage* page;
  std::string helpFile;
  std::vector<HelpTopic> topics;
  bool filling = false;  // the page's own filling marks nothing changed
};

PageWork& WorkOf(HWND page) { return *reinterpret_cast<PageWork*>(GetWindowLongPtrA(page, DWLP_USER)); }

RegistryKey MailSettings() { return RegistryKey::Create(HKEY_LOCAL_MACHINE, dav::kMailKey, KEY_ALL_ACCESS); }

std::vector<HelpTopic> TopicsOf(const MailPage& page) {
  std::vector<HelpTopic> topics;
  for (const MailField& field : page.fields) {
    topics.push_back({field.helpId, static_cast<DWORD>(field.helpId)});
    topics.push_back({LABEL_OF(field.helpId), static_cast<DWORD>(field.helpId)});
  }
  for (int group : page.groups) topics.push_back({group, static_cast<DWORD>(group)});
  return topics;
}

void Fill(HWND dialog, PageWork& work) {
  const RegistryKey key = MailSettings();
  work.helpFile = key.ReadTextUpTo(dav::kSettingsHelp, kHelpRoom);
  for (const MailField& field : work.page->fields) {
    SendDlgItemMessageA(dialog, field.helpId, EM_LIMITTEXT, field.room - 1, 0);
    if (!key) continue;
    const bool shownMissing = field.missing != nullptr && !key.Has(field.value);
    const std::string text = shownMissing ? field.missing : key.ReadTextUpTo(field.value, field.room);
    work.filling = true;
    SetDlgItemTextA(dialog, field.helpId, text.c_str());
    work.filling = false;
  }
}

std::vector<std::string> Typed(HWND dialog, const MailPage& page) {
  std::vector<std::string> values;
  for (const MailField& field : page.fields) values.push_back(ItemText(dialog, field.helpId, field.room));
  return values;
}

// Shows the page's warnings in turn; true when there were none.
bool Check(HWND dialog, const MailPage& page, const std::vector<std::string>& values) {
  const MailCheck check = CheckMailPage(page.fields, values);
  for (const std::string& warning : check.warnings)
    MessageBoxA(dialog, warning.c_str(), kCaption, MB_OK | MB_ICONWARNING);
  return check.passed();
}

// Whatever the checks say, what was typed is stored; a failed check only
// keeps the sheet open.
LRESULT Save(HWND dialog, const MailPage& page) {
  const RegistryKey key = MailSettings();
  if (!key) return PSNRET_NOERROR;
  const std::vector<std::string> values = Typed(dialog, page);
  const bool passed = Check(dialog, page, values);
  for (std::size_t i = 0; i < page.fields.size(); ++i) key.WriteString(page.fields[i].value, values[i]);
  PropSheet_UnChanged(GetParent(dialog), dialog);
  return passed ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
}

INT_PTR Notified(HWND dialog, const NMHDR& header) {
  const MailPage& page = *WorkOf(dialog).page;
  LRESULT result = 0;
  switch (header.code) {
    // When the sheet applies, the save makes the checks instead.
    case PSN_KILLACTIVE: result = !SheetApplying() && !Check(dialog, page, Typed(dialog, page)); break;
    case PSN_APPLY: result = Save(dialog, page); break;
    default: return FALSE;
  }
  SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
  return TRUE;
}

INT_PTR CALLBACK MailPageProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedEntry<INT_PTR>(FALSE, [&]() -> INT_PTR {
    if (message == WM_INITDIALOG) {
      auto* work = reinterpret_cast<PageWork*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
      SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(work));
      Fill(dialog, *work);
      return TRUE;
    }
    if (GetWindowLongPtrA(dialog, DWLP_USER) == 0) return FALSE;
    PageWork& work = WorkOf(dialog);
    switch (message) {
      case WM_COMMAND:
        if (HIWORD(wParam) == EN_CHANGE && !work.filling) PropSheet_Changed(GetParent(dialog), dialog);
        return TRUE;
      case WM_NOTIFY: return Notified(dialog, *reinterpret_cast<NMHDR*>(lParam));
      case WM_HELP:
        return ShowContextHelp(*reinterpret_cast<HELPINFO*>(lParam), work.topics, work.helpFile.c_str());
      case WM_CONTEXTMENU:
        return ShowContextMenuHelp(reinterpret_cast<HWND>(wParam), work.topics, work.helpFile.c_str());
      default: return FALSE;
    }
  });
}

PROPSHEETPAGEA PageOf(PageWork& work) {
  PROPSHEETPAGEA page{};
  page.dwSize = sizeof page;
  page.hInstance = ThisModule();
  page.pszTemplate = MAKEINTRESOURCEA(work.page->dialog);
  page.pfnDlgProc = MailPageProc;
  page.lParam = reinterpret_cast<LPARAM>(&work);
  return page;
}

}  // namespace

void ShowMailSettingsSheet(HWND owner, HWND placeOver) {
  const MailPage sender{IDD_MAIL_SENDER, SenderFields(), {IDC_SENDER_GROUP, IDC_RECIPIENT_GROUP}};
  const MailPage user{IDD_MAIL_USER, UserFields(), {IDC_USER_GROUP}};
  PageWork senderWork{&sender, {}, TopicsOf(sender)};
  PageWork userWork{&user, {}, TopicsOf(user)};
  PROPSHEETPAGEA pages[] = {PageOf(senderWork), PageOf(userWork)};
  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK;
  header.hwndParent = owner;
  header.hInstance = ThisModule();
  header.pszCaption = kCaption;
  header.nPages = 2;
  header.ppsp = pages;
  header.pfnCallback = WatchSheetApplies;
  PlaceNextSheetOver(owner != nullptr ? owner : placeOver);
  PropertySheetA(&header);
}

}  // namespace maintui
