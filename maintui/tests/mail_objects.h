#pragma once
// The mail notification module as the management window uses it: its
// objects (the registered folder from CoCreateInstance, the others from it),
// and the alarm sheet a command of theirs opens on the module's own thread.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "common/win/testing/dialog_driver.h"
#include "common/win/testing/property_sheet_driver.h"
#include "maintui/rmmui.h"
#include "rmmmodelui/alarm_dialog_ids.h"

template <typename Interface>
struct Released {
  void operator()(Interface* object) const {
    if (object != nullptr) object->Release();
  }
};
template <typename Interface>
using Com = std::unique_ptr<Interface, Released<Interface>>;

template <typename Interface>
Com<Interface> ObjectOf(REFCLSID clsid) {
  IRMMUIFolder* folder = nullptr;
  EXPECT_EQ(CoCreateInstance(CLSID_RMMUIFolder, nullptr, CLSCTX_INPROC_SERVER, IID_IRMMUIFolder,
                             reinterpret_cast<void**>(&folder)),
            S_OK);
  if (folder == nullptr) return nullptr;
  Interface* object = nullptr;
  EXPECT_EQ(folder->CreateObject(clsid, __uuidof(Interface), reinterpret_cast<void**>(&object)), S_OK);
  folder->Release();
  return Com<Interface>(object);
}

// Ticks the toner page of the alarm sheet titled `title`, gives it a To
// and presses OK, as the administrator does; the sheet has then gone.
inline void TickTonerPage(const std::wstring& title, const wchar_t* to) {
  using namespace testkit;
  HWND sheet = ProcessWindowTitled(title);
  ASSERT_NE(sheet, nullptr);
  auto session =
      DialogSession::Following({L"アラームの発信設定", L"メール通知の設定"}, GetWindowThreadProcessId(sheet, nullptr));
  session->Tick(CurrentPage(sheet), IDC_ALARM_NOTIFY, true);
  SendWithin(GetDlgItem(CurrentPage(sheet), IDC_ALARM_TO), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(to));
  EXPECT_EQ(PressSheetButton(*session, sheet, SheetButton::Ok), Messages{});
  EXPECT_TRUE(WaitUntilGone(sheet));
}
