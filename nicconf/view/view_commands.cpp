#include "nicconf/view/view_commands.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "nicconf/folder/folder_messages.h"
#include "nicconf/folder/module.h"
#include "nicconf/folder/nic_menu.h"
#include "nicconf/folder/shell_item.h"
#include "nicconf/sheets/setting_sheet.h"
#include "nicconf/view/view_bars.h"
#include "nicconf/view/options_sheet.h"
#include "nicconf/view/remote_power.h"
#include "nicconf/view/status_dialog.h"
#include "nicconf/view/view_list.h"
#include "nicconf/view/view_menus.h"
#include "nicconf/view/view_refresh.h"
#include "nicconf/view/view_state.h"
#include "nicconf/wizard/registration_wizard.h"

namespace nic::view {
namespace {

constexpr int kListLimit = 64;
constexpr char kOfferRegistration[] =
    "管理するプリンタが登録されていません。\nただちにプリンタの登録ウィザードを開始しますか？";

// The selected printer's setting sheets; a write shows in its item at once.
void OpenProperties() {
  const int index = SelectedItem();
  PrinterRecord record{};
  if (index < 0 || !ItemRecord(index, record)) return;
  sheets::OpenSettingSheet(View().parent, record, BusyTimeoutSeconds());
  UpdateItemRecord(index, record);
}

// The registration wizard; asked first when the view found no list. A full
// list takes no more printers; the refresh waits while the wizard runs.
void Register(LPARAM detail) {
  if (detail == kAskFirst &&
      ShowFolderText(View().parent, MessageLevel::Question, kOfferRegistration, MB_YESNO) != IDYES) {
    return;
  }
  const int count = ListView_GetItemCount(View().list);
  if (count >= kListLimit) {
    ShowFolderText(View().parent, MessageLevel::Error,
                   "これ以上、プリンタを登録できません。 登録できるプリンタは、最大 " + std::to_string(kListLimit) +
                       " 台です。");
    return;
  }
  StopRefresh();
  const std::vector<PrinterRecord> listed = ListRecords();
  for (const PrinterRecord& added : wizard::RunRegistrationWizard(View().parent, kListLimit - count, listed))
    AppendItem(added);
  UpdateBars();
  StartRefresh(true);
}

// During a rename the key deletes inside the edit box: the selected text,
// else the character after the caret.
void DeleteInLabel(HWND edit) {
  DWORD start = 0, end = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  if (start == end) end = start + 1;
  SendMessageA(edit, EM_SETSEL, start, end);
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(""));
}

void DeleteSelected() {
  if (View().labelEdit != nullptr) return DeleteInLabel(View().labelEdit);
  const int index = SelectedItem();
  PrinterRecord record{};
  if (index < 0 || !ItemRecord(index, record)) return;
  const std::string question = std::string("プリンタ '") + record.name + "'を削除してもよろしいですか?";
  if (ShowFolderText(View().parent, MessageLevel::Question, question, MB_YESNO) != IDYES) return;
  DeleteItem(index);
  UpdateBars();
}

// A command of the selection's entries in the browser menu goes through the
// selection's menu, as from the context menu.
void InvokeSelectionCommand(int id) {
  LPITEMIDLIST item = nullptr;
  if (IContextMenu* menu = SelectionMenu(item)) {
    CMINVOKECOMMANDINFO info{};
    info.cbSize = sizeof info;
    info.hwnd = View().parent;
    info.lpVerb = MAKEINTRESOURCEA(id - static_cast<int>(kItemMenuFirst));
    menu->InvokeCommand(&info);
    menu->Release();
  }
  FreePrinterItem(item);
}

}  // namespace

void ShowItemStatus(int index) {
  PrinterRecord record{};
  if (index >= 0 && ItemRecord(index, record)) OpenStatusDialog(View().parent, record);
}

void RunCommand(int command, LPARAM detail) {
  switch (command) {
    case kCommandProperties:
    case kCommandPropertiesMenu: OpenProperties(); break;
    case kCommandStatus: ShowItemStatus(SelectedItem()); break;
    case kCommandDelete:
    case kCommandDeleteButton: DeleteSelected(); break;
    case kCommandRegister: Register(detail); break;
    case kCommandRename:
      if (SelectedItem() >= 0) ListView_EditLabel(View().list, SelectedItem());
      break;
    case kCommandIcons:
    case kCommandSmallIcons:
    case kCommandList:
    case kCommandDetails:
      SetViewMode(command);
      UpdateBars();
      break;
    case kCommandOptions: OpenOptionsSheet(View().parent); break;
    case kCommandPowerOn: RunRemotePower(PowerDirection::On); break;
    case kCommandPowerOff: RunRemotePower(PowerDirection::Off); break;
    case kCommandRefresh:
      StopRefresh();
      StartRefresh(true);
      break;
    default:
      if (command >= static_cast<int>(kItemMenuFirst) && command < static_cast<int>(kItemMenuLast))
        InvokeSelectionCommand(command);
      break;
  }
}

}  // namespace nic::view
