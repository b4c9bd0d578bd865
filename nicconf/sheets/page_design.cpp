#include "nicconf/sheets/page_design.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <map>
#include <vector>

#include "common/win/dialog_text.h"
#include "nicconf/folder/context_help.h"
#include "nicconf/folder/field_controls.h"
#include "nicconf/folder/folder_messages.h"
#include "nicconf/folder/module.h"
#include "nicconf/sheets/sheet_apply.h"

namespace nic::sheets {
namespace {

constexpr UINT kReportExisting = WM_APP + 1;

// A page's own state while its window lives.
struct PageRuntime {
  SheetState* sheet;
  std::size_t index;
  const PageDesign* design;
  std::map<int, std::string> lastGood;  // each typed field's last accepted text
  bool filling = false;
};

PageRuntime* RuntimeOf(HWND page) {
  return reinterpret_cast<PageRuntime*>(GetWindowLongPtrA(page, DWLP_USER));
}

void ShowError(HWND page, const std::string& text) {
  ShowFolderText(GetParent(page), MessageLevel::Error, text);
}

HWND SpinOf(HWND page, HWND edit) {
  for (HWND child = GetWindow(page, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[32] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, UPDOWN_CLASSA) == 0 &&
        reinterpret_cast<HWND>(SendMessageA(child, UDM_GETBUDDY, 0, 0)) == edit) {
      return child;
    }
  }
  return nullptr;
}

void PrepareControl(HWND page, const FieldBinding& b) {
  HWND control = GetDlgItem(page, b.control);
  if (b.kind == FieldKind::Text) {
    SendMessageA(control, EM_LIMITTEXT, b.limit != 0 ? b.limit : RuleOf(b.textClass).limit, 0);
  } else if (b.kind == FieldKind::Number) {
    SendMessageA(control, EM_LIMITTEXT, DecimalDigits(b.maximum) + 1, 0);
    if (HWND spin = SpinOf(page, control)) SendMessageA(spin, UDM_SETRANGE32, b.minimum, b.maximum);
  }
}

void FillControl(HWND page, const FieldBinding& b, const std::string& value) {
  switch (b.kind) {
    case FieldKind::Check:
      CheckDlgButton(page, b.control, !value.empty() && value != "0" ? BST_CHECKED : BST_UNCHECKED);
      break;
    default: SetDlgItemTextA(page, b.control, value.c_str()); break;
  }
}

void Fill(HWND page, PageRuntime& runtime) {
  runtime.filling = true;
  for (const FieldBinding& b : runtime.design->fields) {
    PrepareControl(page, b);
    const auto value = ReadSetting(runtime.sheet->image, b.field);
    FillControl(page, b, value.value_or(""));
    runtime.lastGood[b.control] = value.value_or("");
  }
  if (runtime.design->opened != nullptr) runtime.design->opened(page, *runtime.sheet);
  runtime.filling = false;
}

// A value read from the NIC that the field would not take is named once the
// page is up.
void ReportExisting(HWND page, const PageRuntime& runtime) {
  for (const FieldBinding& b : runtime.design->fields) {
    if (b.kind != FieldKind::Text) continue;
    const std::string message = CheckExisting(b.textClass, ControlText(page, b.control), b.label);
    if (!message.empty()) ShowError(page, message);
  }
}

const FieldBinding* BindingOf(const PageDesign& design, int control) {
  for (const FieldBinding& b : design.fields)
    if (b.control == control) return &b;
  return nullptr;
}

// A refused character is taken back: the field returns to what it held.
void Typed(HWND page, PageRuntime& runtime, const FieldBinding& b) {
  const std::string text = ControlText(page, b.control);
  const std::string message = b.kind == FieldKind::Text
                                  ? CheckTyped(b.textClass, text, b.label)
                                  : CheckNumberTyped(text, b.minimum, b.maximum);
  if (message.empty()) {
    runtime.lastGood[b.control] = text;
    return;
  }
  runtime.filling = true;
  const std::string& previous = runtime.lastGood[b.control];
  SetDlgItemTextA(page, b.control, previous.c_str());
  SendDlgItemMessageA(page, b.control, EM_SETSEL, previous.size(), previous.size());
  runtime.filling = false;
  ShowError(page, message);
}

void Command(HWND page, PageRuntime& runtime, int control, int code) {
  if (runtime.filling) return;
  const FieldBinding* b = BindingOf(*runtime.design, control);
  if (code == EN_CHANGE && b != nullptr &&
      (b->kind == FieldKind::Text || b->kind == FieldKind::Number)) {
    Typed(page, runtime, *b);
  }
  if (runtime.design->command != nullptr) runtime.design->command(page, *runtime.sheet, control, code);
}

std::string CheckLeaving(HWND page, const FieldBinding& b) {
  const std::string text = ControlText(page, b.control);
  switch (b.kind) {
    case FieldKind::Text: {
      std::string message = CheckTyped(b.textClass, text, b.label);
      if (message.empty() && text.empty() && b.emptyMessage != nullptr) message = b.emptyMessage;
      return message;
    }
    case FieldKind::Number: return CheckNumberLeaving(text, b.minimum, b.maximum);
    default: return "";
  }
}

bool AddressValid(HWND page, const FieldBinding& b) {
  return SendDlgItemMessageA(page, b.control, kFieldValidate, 1, 0) == 1;
}

std::string StoredForm(HWND page, const FieldBinding& b) {
  if (b.kind == FieldKind::Check) return IsDlgButtonChecked(page, b.control) == BST_CHECKED ? "1" : "0";
  return ControlText(page, b.control);
}

// Only what the user changed goes back, so an untouched field keeps the
// NIC's own bytes.
void Store(HWND page, SheetState& sheet, const FieldBinding& b) {
  if (b.kind == FieldKind::Shown) return;
  const std::string value = StoredForm(page, b);
  const auto current = ReadSetting(sheet.image, b.field);
  const bool same = current && (b.kind == FieldKind::Check ? (*current != "0") == (value == "1")
                                                            : *current == value);
  if (!same) WriteSetting(sheet.image, b.field, value);
}

bool Notify(HWND page, PageRuntime& runtime, const NMHDR& header) {
  SheetState& sheet = *runtime.sheet;
  switch (header.code) {
    case PSN_KILLACTIVE: {
      const bool ok = LeavePage(page, sheet, *runtime.design);
      SetWindowLongPtrA(page, DWLP_MSGRESULT, ok ? FALSE : TRUE);
      return true;
    }
    case PSN_APPLY: {
      const bool ok = runtime.design->page != SettingPage::LanBoard || ApplySheet(sheet);
      SetWindowLongPtrA(page, DWLP_MSGRESULT, ok ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE);
      return true;
    }
    case PSN_RESET:
      sheet.image = sheet.baseline;
      return true;
  }
  return false;
}

constexpr std::size_t kPanel = static_cast<std::size_t>(-1);

struct PanelParam {
  SheetState* sheet;
  const PageDesign* design;
};

INT_PTR Initialise(HWND page, SheetState& sheet, std::size_t index, const PageDesign& design) {
  auto* runtime = new PageRuntime{&sheet, index, &design, {}, false};
  SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<LONG_PTR>(runtime));
  if (index != kPanel) {
    sheet.pages[index].window = page;
    sheet.sheet = GetParent(page);
  }
  Fill(page, *runtime);
  PostMessageA(page, kReportExisting, 0, 0);
  return TRUE;
}

INT_PTR InitialisePage(HWND page, LPARAM lParam) {
  const auto* sheetPage = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
  const auto* param = reinterpret_cast<const PageParam*>(sheetPage->lParam);
  return Initialise(page, *param->sheet, param->index, *param->sheet->pages[param->index].design);
}

INT_PTR InitialisePanel(HWND panel, LPARAM lParam) {
  const auto* param = reinterpret_cast<const PanelParam*>(lParam);
  return Initialise(panel, *param->sheet, kPanel, *param->design);
}

// A page's fields have help topics; its other controls have none.
bool HelpForField(const PageDesign& design, const HELPINFO& request) {
  std::vector<HelpTopic> topics;
  for (const FieldBinding& field : design.fields)
    topics.push_back({field.control, static_cast<DWORD>(field.control)});
  return ShowContextHelp(request, topics);
}

INT_PTR Handle(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  PageRuntime* runtime = RuntimeOf(page);
  if (runtime == nullptr) return FALSE;
  switch (message) {
    case kReportExisting: ReportExisting(page, *runtime); return TRUE;
    case WM_COMMAND: Command(page, *runtime, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_HSCROLL:
      if (runtime->design->scrolled != nullptr) {
        runtime->design->scrolled(page, *runtime->sheet, reinterpret_cast<HWND>(lParam));
      }
      return TRUE;
    case WM_HELP: return HelpForField(*runtime->design, *reinterpret_cast<const HELPINFO*>(lParam));
    case WM_NOTIFY:
      return runtime->index != kPanel && Notify(page, *runtime, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_DESTROY:
      if (runtime->design->closed != nullptr) runtime->design->closed(page);
      if (runtime->index != kPanel) runtime->sheet->pages[runtime->index].window = nullptr;
      SetWindowLongPtrA(page, DWLP_USER, 0);
      delete runtime;
      return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK SettingPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return InitialisePanel(panel, lParam);
  return Handle(panel, message, wParam, lParam);
}

}  // namespace

std::string ControlText(HWND page, int control) { return ItemText(page, control); }

int SettingNumber(const NicSettings& image, SettingField field, int fallback) {
  const auto value = ReadSetting(image, field);
  return value && !value->empty() ? std::atoi(value->c_str()) : fallback;
}

void PutSetting(SheetState& sheet, SettingField field, const std::string& value) {
  const auto current = ReadSetting(sheet.image, field);
  if (current && *current != value) WriteSetting(sheet.image, field, value);
}

void EnableControls(HWND page, std::initializer_list<int> controls, bool enabled) {
  for (const int id : controls) EnableWindow(GetDlgItem(page, id), enabled);
}

int SliderPosition(HWND page, int control) {
  return static_cast<int>(SendDlgItemMessageA(page, control, TBM_GETPOS, 0, 0));
}

void SetSlider(HWND page, int control, int minimum, int maximum, int position, int tickEvery) {
  SendDlgItemMessageA(page, control, TBM_SETRANGE, TRUE, MAKELPARAM(minimum, maximum));
  SendDlgItemMessageA(page, control, TBM_SETTICFREQ, tickEvery, 0);
  SendDlgItemMessageA(page, control, TBM_SETPOS, TRUE, position);
}

bool LeaveBoundFields(HWND page, SheetState& sheet, const PageDesign& design) {
  for (const FieldBinding& b : design.fields) {
    if (!IsWindowEnabled(GetDlgItem(page, b.control))) continue;
    if (b.kind == FieldKind::Address && !AddressValid(page, b)) {
      SetFocus(GetDlgItem(page, b.control));
      return false;
    }
    const std::string message = CheckLeaving(page, b);
    if (!message.empty()) {
      ShowError(page, message);
      SetFocus(GetDlgItem(page, b.control));
      return false;
    }
  }
  for (const FieldBinding& b : design.fields) {
    if (IsWindowEnabled(GetDlgItem(page, b.control))) Store(page, sheet, b);
  }
  return true;
}

bool LeavePage(HWND page, SheetState& sheet, const PageDesign& design) {
  return LeaveBoundFields(page, sheet, design) &&
         (design.leaving == nullptr || design.leaving(page, sheet));
}

INT_PTR CALLBACK SettingPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return InitialisePage(page, lParam);
  return Handle(page, message, wParam, lParam);
}

HWND CreatePanel(HWND page, int dialog, const PageDesign& design, SheetState& sheet) {
  const PanelParam param{&sheet, &design};
  return CreateDialogParamA(FolderInstance(), MAKEINTRESOURCEA(dialog), page, SettingPanelProc,
                            reinterpret_cast<LPARAM>(&param));
}

}  // namespace nic::sheets
