#include "nicconf/view/view_bars.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "nicconf/view/view_state.h"

namespace nic::view {
namespace {

int ModeCommand(HWND list) {
  switch (GetWindowLongA(list, GWL_STYLE) & LVS_TYPEMASK) {
    case LVS_SMALLICON: return kCommandSmallIcons;
    case LVS_LIST: return kCommandList;
    case LVS_REPORT: return kCommandDetails;
    default: return kCommandIcons;
  }
}

void SendToBrowser(UINT control, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  View().browser->SendControlMsg(control, message, wParam, lParam, &result);
}

}  // namespace

void UpdateBars() {
  const ViewState& v = View();
  if (v.browser == nullptr || v.list == nullptr) return;
  const int count = ListView_GetItemCount(v.list);
  const int selected = static_cast<int>(ListView_GetSelectedCount(v.list));
  const bool chosen = v.activation == SVUIA_ACTIVATE_FOCUS && selected > 0;
  for (const int button : {kCommandDeleteButton, kCommandProperties, kCommandStatus}) {
    SendToBrowser(FCW_TOOLBAR, TB_ENABLEBUTTON, button, MAKELONG(chosen, 0));
  }
  const int mode = ModeCommand(v.list);
  for (int button = kCommandIcons; button <= kCommandDetails; ++button) {
    SendToBrowser(FCW_TOOLBAR, TB_CHECKBUTTON, button, MAKELONG(button == mode, 0));
  }
  char text[64];
  if (chosen) {
    std::snprintf(text, sizeof text, "%d 個のオブジェクトを選択", selected);
  } else {
    std::snprintf(text, sizeof text, "%d 個のオブジェクト", count);
  }
  ShowStatusText(text);
}

void ShowStatusText(const char* text) {
  if (View().browser != nullptr) SendToBrowser(FCW_STATUS, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
}

const char* ToolTipOf(int command) {
  switch (command) {
    case kCommandProperties: return "プロパティ";
    case kCommandDeleteButton: return "削除";
    case kCommandStatus: return "ステータス";
    case kCommandRegister: return "プリンタの登録";
    case kCommandIcons: return "アイコン";
    case kCommandDetails: return "詳細";
    case kCommandRefresh: return "更新";
    default: return nullptr;
  }
}

}  // namespace nic::view
