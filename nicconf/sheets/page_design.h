#pragma once
// How a setting page is described: its fields bound to the settings image
// (filled when the page opens, checked while typed and when left, stored
// back when left), plus what the page does beyond its fields. One window
// procedure serves every page.

#include <windows.h>

#include <initializer_list>
#include <span>
#include <string>

#include "nicconf/sheets/core/field_check.h"
#include "nicconf/sheets/core/nic_settings.h"
#include "nicconf/sheets/sheet_state.h"

namespace nic::sheets {

enum class FieldKind {
  Text,     // an edit field of a text class
  Number,   // an edit field with a spin range
  Check,    // a check box: "1" ticked, "0" not
  Address,  // an "IPAddress" field
  Shown,    // a static that shows the value only
};

struct FieldBinding {
  int control;
  SettingField field;
  FieldKind kind;
  TextClass textClass = TextClass::NicName;  // Text
  const char* label = "";                    // the field's name in messages
  int minimum = 0;                           // Number
  int maximum = 0;
  const char* emptyMessage = nullptr;        // Text: an empty value refused on leaving
  std::size_t limit = 0;                     // Text: characters, 0 for the class's own
};

struct PageDesign {
  SettingPage page;
  std::span<const FieldBinding> fields;
  // What the page does beyond its bound fields; each may be null.
  void (*opened)(HWND page, SheetState& sheet);
  // Checks (reporting each failure) and stores what the bindings do not;
  // false keeps the page.
  bool (*leaving)(HWND page, SheetState& sheet);
  void (*command)(HWND page, SheetState& sheet, int control, int code);
  void (*scrolled)(HWND page, SheetState& sheet, HWND control);
  void (*closed)(HWND page) = nullptr;
};

// The page's window procedure; the PROPSHEETPAGE's lParam is the sheet's
// state and the page's index in it.
INT_PTR CALLBACK SettingPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

struct PageParam {
  SheetState* sheet;
  std::size_t index;
};

// Checks every bound field that is enabled, reporting the first failure and
// putting the focus there, then stores them into the image. False keeps the
// page.
bool LeaveBoundFields(HWND page, SheetState& sheet, const PageDesign& design);

// A panel of a page (a child dialog below its own controls) described like a
// page; its fields are checked with LeavePage.
HWND CreatePanel(HWND page, int dialog, const PageDesign& design, SheetState& sheet);

// The bound fields, then the page's own checks.
bool LeavePage(HWND page, SheetState& sheet, const PageDesign& design);

// The value shown in a control, as the bindings read it.
std::string ControlText(HWND page, int control);

// The image's value of a field as a number (`fallback` when absent), and a
// value put back only when it differs, so an untouched field keeps the NIC's
// own bytes.
int SettingNumber(const NicSettings& image, SettingField field, int fallback = 0);
void PutSetting(SheetState& sheet, SettingField field, const std::string& value);

// Enables or disables the page's controls together.
void EnableControls(HWND page, std::initializer_list<int> controls, bool enabled);

// The page's slider position.
int SliderPosition(HWND page, int control);
void SetSlider(HWND page, int control, int minimum, int maximum, int position, int tickEvery);

}  // namespace nic::sheets
