#include "maintui/sheet_requests.h"

#include <cstdio>
#include <memory>
#include <mutex>
#include <new>
#include <set>

#include "agent/core/printer_qualification.h"
#include "common/dav_registry.h"
#include "common/dav_ui_entries.h"
#include "common/win/com_object.h"
#include "common/win/entry_guard.h"
#include "common/win/library.h"
#include "common/win/registry_key.h"
#include "common/win/this_module.h"
#include "maintui/mail_settings_sheet.h"
#include "maintui/maintui_resource_ids.h"

namespace maintui {
namespace {

constexpr std::size_t kValueRoom = 256;

// Titles of the sheets open or opening: a second request for one brings
// the first to the front instead of opening another.
struct OpenSheets {
  std::mutex lock;
  std::set<std::string> titles;
};
OpenSheets& Opened() {
  static OpenSheets sheets;
  return sheets;
}

std::string LoadedString(UINT id) {
  char text[256] = {};
  LoadStringA(ThisModule(), id, text, sizeof text);
  return text;
}

std::string TitleOf(const SheetRequest& request) {
  if (request.kind != SheetKind::AlarmSettings) return LoadedString(IDS_MAIL_SHEET_TITLE);
  return LoadedString(IDS_ALARM_SHEET_TITLE) + " - " + request.printer;
}

// Claims the title for this worker; false when its sheet is already there
// (then brought to the front) or being opened.
bool Claim(const std::string& title) {
  std::lock_guard hold(Opened().lock);
  if (HWND shown = FindWindowA("#32770", title.c_str())) {
    if (IsIconic(shown)) ShowWindow(shown, SW_RESTORE);
    SetForegroundWindow(shown);
    return false;
  }
  return Opened().titles.insert(title).second;
}

void Release(const std::string& title) {
  std::lock_guard hold(Opened().lock);
  Opened().titles.erase(title);
}

int AsItem(HWND window) { return static_cast<int>(reinterpret_cast<INT_PTR>(window)); }

// The model's pages, from the path its key holds; any failure ends the
// request silently.
void ShowAlarmSheet(const SheetRequest& request) {
  const std::string printerKey = std::string(dav::kPrintersKey) + "\\" + request.printer;
  const auto model = agent::ModelOf(
      RegistryKey::Open(HKEY_LOCAL_MACHINE, printerKey.c_str(), KEY_READ).ReadTextUpTo(dav::kPrinterDriver, kValueRoom));
  if (!model || model->empty() || model->find('\\') != std::string::npos) return;
  const std::string modelKey = std::string(dav::kModelsKey) + "\\" + *model;
  const std::string pages =
      RegistryKey::Open(HKEY_LOCAL_MACHINE, modelKey.c_str(), KEY_READ).ReadTextUpTo(dav::kPagesPath, MAX_PATH);
  if (pages.empty()) return;
  const Library library(LoadLibraryA(pages.c_str()));
  const auto update = library.Find<UpdateColumnCallEntry>("UpdateColumnCall");
  const auto show = library.Find<DavUiDllMainEntry>("DavUiDllMain");
  if (update == nullptr || show == nullptr) return;
  update(ColumnCallback, AsItem(request.refresh));
  show(request.printer.c_str(), AsItem(request.refresh), request.title);
}

void Serve(const SheetRequest& request) {
  const std::string title = TitleOf(request);
  if (!Claim(title)) return;
  switch (request.kind) {
    case SheetKind::AlarmSettings: ShowAlarmSheet(request); break;
    case SheetKind::SenderIncomplete:
      MessageBoxA(nullptr, LoadedString(IDS_SENDER_INCOMPLETE).c_str(), LoadedString(IDS_ALARM_SHEET_TITLE).c_str(),
                  MB_OK | MB_ICONWARNING);
      [[fallthrough]];
    case SheetKind::MailSettings: ShowMailSettingsSheet(nullptr, request.refresh); break;
  }
  Release(title);
}

// The worker holds the module while it runs, so the host cannot unload it
// under an open sheet.
DWORD WINAPI Worker(void* parameter) {
  std::unique_ptr<SheetRequest> request(static_cast<SheetRequest*>(parameter));
  GuardedEntry([&] {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Serve(*request);
    if (SUCCEEDED(com)) CoUninitialize();
  });
  request.reset();
  UnlockModule();
  return 0;
}

}  // namespace

bool StartSheetRequest(SheetRequest request) {
  auto* handed = new (std::nothrow) SheetRequest(std::move(request));
  if (handed == nullptr) return false;
  LockModule();
  HANDLE thread = CreateThread(nullptr, 0, Worker, handed, 0, nullptr);
  if (thread == nullptr) {
    UnlockModule();
    delete handed;
    return false;
  }
  CloseHandle(thread);
  return true;
}

bool SenderDataComplete() {
  constexpr struct {
    const char* value;
    const char* debugLine;
  } kSender[] = {{dav::kName, "管理者名は？ = %s\n"},
                 {dav::kMail, "メールアドレスは？ = %s\n"},
                 {dav::kServer, "メールサーバ名は？ = %s\n"}};
  const RegistryKey mail = RegistryKey::Open(HKEY_LOCAL_MACHINE, dav::kMailKey, KEY_READ);
  bool complete = true;
  for (const auto& entry : kSender) {
    if (!mail.Has(entry.value)) {
      complete = false;
      continue;
    }
    const std::string text = mail.ReadTextUpTo(entry.value, kValueRoom);
    char line[kValueRoom + 64];
    std::snprintf(line, sizeof line, entry.debugLine, text.c_str());
    OutputDebugStringA(line);
    complete = complete && !text.empty();
  }
  return complete;
}

void WINAPI ColumnCallback(int window) {
  GuardedEntry([&] {
    RebuildModuleList();
    SendMessageA(reinterpret_cast<HWND>(static_cast<INT_PTR>(window)), WM_WININICHANGE, 0, 0);
    FreeModuleList();
  });
}

}  // namespace maintui
