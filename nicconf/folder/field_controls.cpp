#include "nicconf/folder/field_controls.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "common/win/entry_guard.h"
#include "common/win/gdi.h"
#include "nicconf/folder/core/field_rules.h"
#include "nicconf/folder/folder_messages.h"

namespace {

using nic::FieldKind;

// One frame: its children and the edit class's own procedure, which every
// child's replacement forwards to.
struct FieldControl {
  HWND frame = nullptr;
  FieldKind kind = FieldKind::IpAddress;
  std::array<HWND, 6> children{};
  int count = 0;
  WNDPROC editProcedure = nullptr;
};

// The module's frames; the table grows ten entries at a time.
std::vector<std::unique_ptr<FieldControl>> controls;
HINSTANCE classInstance = nullptr;

FieldControl* ControlOf(HWND frame) {
  for (auto& control : controls)
    if (control && control->frame == frame) return control.get();
  return nullptr;
}

FieldControl* ControlOfChild(HWND child) { return ControlOf(GetParent(child)); }

int IndexOf(const FieldControl& control, HWND child) {
  for (int i = 0; i < control.count; ++i)
    if (control.children[i] == child) return i;
  return -1;
}

nic::FieldRange RangeOf(HWND child) {
  return static_cast<nic::FieldRange>(reinterpret_cast<UINT_PTR>(GetPropA(child, kRangeProperty)));
}

std::string TextOf(HWND window) {
  char text[16] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::vector<std::string> PartsOf(const FieldControl& control) {
  std::vector<std::string> parts;
  for (int i = 0; i < control.count; ++i) parts.push_back(TextOf(control.children[i]));
  return parts;
}

DWORD SelectedRange(HWND edit, DWORD& start, DWORD& end) {
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return end - start;
}

void FocusPart(const FieldControl& control, int index, int caret) {
  HWND child = control.children[index];
  SetFocus(child);
  if (caret < 0)
    SendMessageA(child, EM_SETSEL, 0, -1);
  else
    SendMessageA(child, EM_SETSEL, caret, caret);
}

int EndOf(HWND child) { return GetWindowTextLengthA(child); }

// Where the parts lie: equal widths, a separator's width apart.
void LayOut(const FieldControl& control) {
  RECT client;
  GetClientRect(control.frame, &client);
  int separator = 0;
  if (nic::ShapeOf(control.kind).separator != '\0') {
    WindowContext dc(control.frame);
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(control.children[0], WM_GETFONT, 0, 0));
    Selection chosen(dc.get(), font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    SIZE extent{};
    const char mark = nic::ShapeOf(control.kind).separator;
    GetTextExtentPoint32A(dc.get(), &mark, 1, &extent);
    separator = extent.cx + 2;
  }
  const int inner = std::max<int>(0, client.right - 4 - separator * (control.count - 1));
  const int width = inner / control.count;
  for (int i = 0; i < control.count; ++i)
    MoveWindow(control.children[i], 2 + i * (width + separator), 2, width,
               std::max<int>(0, client.bottom - 4), TRUE);
}

void Paint(const FieldControl& control) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(control.frame, &paint);
  RECT client;
  GetClientRect(control.frame, &client);
  {
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
    Selection penChosen(dc, pen.get());
    Selection brushChosen(dc, GetSysColorBrush(COLOR_WINDOW));
    Rectangle(dc, 0, 0, client.right, client.bottom);
  }
  const char mark = nic::ShapeOf(control.kind).separator;
  if (mark != '\0') {
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(control.children[0], WM_GETFONT, 0, 0));
    Selection fontChosen(dc, font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    for (int i = 0; i + 1 < control.count; ++i) {
      RECT part;
      GetWindowRect(control.children[i], &part);
      MapWindowPoints(nullptr, control.frame, reinterpret_cast<POINT*>(&part), 2);
      TextOutA(dc, part.right + 1, part.top, &mark, 1);
    }
  }
  EndPaint(control.frame, &paint);
}

bool Validate(const FieldControl& control, bool report) {
  std::vector<nic::FieldRange> ranges;
  for (int i = 0; i < control.count; ++i) ranges.push_back(RangeOf(control.children[i]));
  const nic::FieldVerdict verdict = nic::ValidateField(control.kind, PartsOf(control), ranges);
  if (verdict.valid) return true;
  if (report) {
    FocusPart(control, verdict.badPart, -1);
    ShowFolderMessage(GetParent(control.frame), MessageLevel::Warning, verdict.messageId, MB_OK,
                      verdict.minimum, verdict.maximum);
  }
  return false;
}

// The separator moves on to the next part; a character a part cannot hold is
// dropped; backspace at a part's start goes on in the part before.
bool TakeCharacter(FieldControl& control, HWND child, WPARAM key, LPARAM flags) {
  const int index = IndexOf(control, child);
  const char c = static_cast<char>(key);
  DWORD start = 0, end = 0;
  const bool selected = SelectedRange(child, start, end) != 0;
  if (key > 0x7F) return true;
  if (nic::IsSeparatorKey(control.kind, c)) {
    if (start > 0 && !selected && index + 1 < control.count) FocusPart(control, index + 1, -1);
    return true;
  }
  if (!nic::AcceptsCharacter(control.kind, c, RangeOf(child) != 0)) return true;
  if (c == '\b') {
    if (start == 0 && !selected && index > 0) {
      HWND previous = control.children[index - 1];
      FocusPart(control, index - 1, EndOf(previous));
      CallWindowProcA(control.editProcedure, previous, WM_CHAR, key, flags);
      return true;
    }
    return false;
  }
  CallWindowProcA(control.editProcedure, child, WM_CHAR, key, flags);
  const int limit = nic::ShapeOf(control.kind).partLimit;
  SelectedRange(child, start, end);
  if (control.kind != FieldKind::Number && EndOf(child) == limit && static_cast<int>(start) == limit &&
      index + 1 < control.count)
    FocusPart(control, index + 1, -1);
  return true;
}

bool TakeKey(FieldControl& control, HWND child, WPARAM key) {
  const int index = IndexOf(control, child);
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  DWORD start = 0, end = 0;
  const bool selected = SelectedRange(child, start, end) != 0;
  switch (key) {
    case VK_HOME:
      FocusPart(control, 0, 0);
      return true;
    case VK_END:
      FocusPart(control, control.count - 1, EndOf(control.children[control.count - 1]));
      return true;
    case VK_LEFT:
    case VK_UP:
      if (ctrl) {
        if (index > 0) FocusPart(control, index - 1, -1);
        return true;
      }
      if (selected || start > 0) return false;
      if (index > 0) FocusPart(control, index - 1, EndOf(control.children[index - 1]));
      return true;
    case VK_RIGHT:
    case VK_DOWN:
      if (ctrl) {
        if (index + 1 < control.count) FocusPart(control, index + 1, -1);
        return true;
      }
      if (selected || static_cast<int>(end) < EndOf(child)) return false;
      if (index + 1 < control.count) FocusPart(control, index + 1, 0);
      return true;
  }
  return false;
}

// Pasted text keeps only what the part may hold.
void Paste(FieldControl& control, HWND child) {
  if (!OpenClipboard(child)) return;
  std::string text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* locked = static_cast<const char*>(GlobalLock(data))) {
      const bool ranged = RangeOf(child) != 0;
      for (const char* p = locked; *p != '\0' && text.size() < 64; ++p)
        if (*p != '\b' && !nic::IsSeparatorKey(control.kind, *p) &&
            nic::AcceptsCharacter(control.kind, *p, ranged))
          text.push_back(*p);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  SendMessageA(child, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

LRESULT CALLBACK ChildProcedure(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedEntry<LRESULT>(0, [&]() -> LRESULT {
    FieldControl* control = ControlOfChild(child);
    if (control == nullptr) return DefWindowProcA(child, message, wParam, lParam);
    switch (message) {
      case WM_GETDLGCODE:
        return CallWindowProcA(control->editProcedure, child, message, wParam, lParam) | DLGC_WANTARROWS |
               DLGC_WANTCHARS;
      case WM_CHAR:
        if (TakeCharacter(*control, child, wParam, lParam)) return 0;
        break;
      case WM_KEYDOWN:
        if (TakeKey(*control, child, wParam)) return 0;
        break;
      case WM_PASTE:
        Paste(*control, child);
        return 0;
      case WM_HELP:
        return SendMessageA(GetParent(control->frame), message, wParam, lParam);
    }
    return CallWindowProcA(control->editProcedure, child, message, wParam, lParam);
  });
}

bool Create(HWND frame, FieldKind kind) {
  if (controls.size() == controls.capacity()) controls.reserve(controls.size() + 10);
  auto control = std::make_unique<FieldControl>();
  control->frame = frame;
  control->kind = kind;
  control->count = nic::ShapeOf(kind).parts;
  const HFONT font = reinterpret_cast<HFONT>(SendMessageA(GetParent(frame), WM_GETFONT, 0, 0));
  for (int i = 0; i < control->count; ++i) {
    HWND child = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | ES_CENTER | ES_AUTOHSCROLL, 0, 0,
                                 0, 0, frame, reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)),
                                 classInstance, nullptr);
    if (child == nullptr) return false;
    control->children[i] = child;
    SendMessageA(child, EM_LIMITTEXT, nic::ShapeOf(kind).partLimit, 0);
    if (font != nullptr) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (kind == FieldKind::IpAddress)
      SetPropA(child, kRangeProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(nic::kOctetRange)));
    control->editProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ChildProcedure)));
  }
  controls.push_back(std::move(control));
  LayOut(*controls.back());
  return true;
}

void Destroy(HWND frame) {
  for (auto& control : controls) {
    if (!control || control->frame != frame) continue;
    for (int i = 0; i < control->count; ++i) {
      RemovePropA(control->children[i], kRangeProperty);
      SetWindowLongPtrA(control->children[i], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(control->editProcedure));
    }
    control.reset();
  }
  std::erase(controls, nullptr);
}

void SetText(FieldControl& control, const char* text) {
  const auto parts = nic::SplitFieldText(control.kind, text != nullptr ? text : "");
  for (int i = 0; i < control.count; ++i) SetWindowTextA(control.children[i], parts[i].c_str());
}

// A part's change reaches the dialog as a change of the whole field.
void PassOnChange(FieldControl& control, HWND child, WORD code) {
  if (code == EN_UPDATE && control.kind == FieldKind::IpAddress) {
    const std::string part = TextOf(child);
    const nic::FieldRange range = RangeOf(child);
    const long value = part.empty() ? 0 : std::strtol(part.c_str(), nullptr, 10);
    if (!part.empty() && (value < nic::RangeMinimum(range) || value > nic::RangeMaximum(range)))
      SendMessageA(child, EM_SETSEL, 0, -1);
  }
  const int id = GetDlgCtrlID(control.frame);
  SendMessageA(GetParent(control.frame), WM_COMMAND, MAKEWPARAM(id, code),
               reinterpret_cast<LPARAM>(control.frame));
}

LRESULT FrameMessage(FieldKind kind, HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) return Create(frame, kind) ? 0 : -1;
  FieldControl* control = ControlOf(frame);
  if (control == nullptr) return DefWindowProcA(frame, message, wParam, lParam);
  switch (message) {
    case WM_DESTROY:
      Destroy(frame);
      return 0;
    case WM_SIZE:
      LayOut(*control);
      return 0;
    case WM_PAINT:
      Paint(*control);
      return 0;
    case WM_SETTEXT:
      SetText(*control, reinterpret_cast<const char*>(lParam));
      return TRUE;
    case WM_GETTEXT: {
      const std::string text = nic::JoinFieldParts(control->kind, PartsOf(*control));
      if (wParam == 0) return 0;
      const std::size_t length = std::min<std::size_t>(text.size(), wParam - 1);
      std::copy_n(text.data(), length, reinterpret_cast<char*>(lParam));
      reinterpret_cast<char*>(lParam)[length] = '\0';
      return static_cast<LRESULT>(length);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(nic::JoinFieldParts(control->kind, PartsOf(*control)).size());
    case WM_ENABLE:
      for (int i = 0; i < control->count; ++i) EnableWindow(control->children[i], static_cast<BOOL>(wParam));
      return 0;
    case WM_SETFOCUS:
      FocusPart(*control, 0, -1);
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == EN_UPDATE || HIWORD(wParam) == EN_CHANGE)
        PassOnChange(*control, reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      return 0;
    case kFieldValidate:
      return Validate(*control, wParam == 1) ? 1 : 0;
    case kFieldSetRange:
      if (wParam < static_cast<WPARAM>(control->count))
        SetPropA(control->children[wParam], kRangeProperty, reinterpret_cast<HANDLE>(lParam));
      return 0;
    case kFieldSetFont:
      for (int i = 0; i < control->count; ++i) SendMessageA(control->children[i], WM_SETFONT, wParam, TRUE);
      LayOut(*control);
      return 0;
  }
  return DefWindowProcA(frame, message, wParam, lParam);
}

template <FieldKind Kind>
LRESULT CALLBACK FrameProcedure(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedEntry<LRESULT>(message == WM_CREATE ? -1 : 0,
                               [&] { return FrameMessage(Kind, frame, message, wParam, lParam); });
}

constexpr WNDPROC kProcedures[] = {FrameProcedure<FieldKind::IpAddress>, FrameProcedure<FieldKind::MacAddress>,
                                   FrameProcedure<FieldKind::Number>};

}  // namespace

bool RegisterFieldClasses(HINSTANCE instance) {
  classInstance = instance;
  bool all = true;
  for (int kind = 0; kind < 3; ++kind) {
    WNDCLASSA description{};
    description.style = CS_HREDRAW | CS_VREDRAW;
    description.lpfnWndProc = kProcedures[kind];
    description.hInstance = instance;
    description.hCursor = LoadCursor(nullptr, IDC_IBEAM);
    description.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    description.lpszClassName = nic::ShapeOf(static_cast<FieldKind>(kind)).className;
    all = RegisterClassA(&description) != 0 && all;
  }
  return all;
}

void UnregisterFieldClasses() {
  controls.clear();
  controls.shrink_to_fit();
  for (int kind = 0; kind < 3; ++kind)
    UnregisterClassA(nic::ShapeOf(static_cast<FieldKind>(kind)).className, classInstance);
}
