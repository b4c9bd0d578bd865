#include "outside/folderhost/host_extensions.h"

#include <string>

#include "outside/folderhost/namespace_entries.h"

namespace folderhost {
namespace {

constexpr UINT kFirstCommand = 0x1000;
constexpr UINT kCommandsEach = 0x400;
constexpr ULONG kBackgroundRequest = 0x40000;

IRMMUIFolder* MailFolderOf(const CLSID& clsid) {
  if (clsid != CLSID_RMMUIFolder) return nullptr;
  IRMMUIFolder* folder = nullptr;
  CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IRMMUIFolder, reinterpret_cast<void**>(&folder));
  return folder;
}

template <typename Interface>
Interface* MailObject(IRMMUIFolder* folder, const CLSID& clsid) {
  Interface* object = nullptr;
  folder->CreateObject(clsid, __uuidof(Interface), reinterpret_cast<void**>(&object));
  return object;
}

IContextMenu* ShellMenuOf(const CLSID& clsid, HWND window, const std::vector<LPCITEMIDLIST>& items) {
  if (items.empty()) return nullptr;
  IShellFolder* folder = nullptr;
  if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IShellFolder,
                              reinterpret_cast<void**>(&folder))))
    return nullptr;
  IContextMenu* menu = nullptr;
  auto list = const_cast<LPCITEMIDLIST*>(items.data());
  folder->GetUIObjectOf(window, static_cast<UINT>(items.size()), list, IID_IContextMenu, nullptr,
                        reinterpret_cast<void**>(&menu));
  folder->Release();
  return menu;
}

}  // namespace

ExtensionMenu::ExtensionMenu(HWND window, const std::vector<LPCITEMIDLIST>& items)
    : window_(window), menu_(CreatePopupMenu()) {
  UINT first = kFirstCommand;
  for (const NameSpaceEntry& entry : RegisteredExtensions()) {
    Part part;
    part.first = first;
    const UINT at = static_cast<UINT>(GetMenuItemCount(menu_));
    if (IRMMUIFolder* folder = MailFolderOf(entry.clsid)) {
      part.mail = MailObject<IRMMUIMenu>(folder, CLSID_RMMUIMenu);
      folder->Release();
      if (part.mail != nullptr) {
        auto list = const_cast<LPCITEMIDLIST*>(items.data());
        part.mail->Initialize(window, static_cast<UINT>(items.size()), list, items.empty() ? kBackgroundRequest : 0);
        part.mail->QueryContextMenu(menu_, at, first, first + kCommandsEach - 1, 0);
      }
    } else if ((part.shell = ShellMenuOf(entry.clsid, window, items)) != nullptr) {
      part.shell->QueryContextMenu(menu_, at, first, first + kCommandsEach - 1, CMF_NORMAL);
    }
    if (part.mail != nullptr || part.shell != nullptr) parts_.push_back(part);
    first += kCommandsEach;
  }
}

ExtensionMenu::~ExtensionMenu() {
  for (Part& part : parts_) {
    if (part.mail != nullptr) part.mail->Release();
    if (part.shell != nullptr) part.shell->Release();
  }
  DestroyMenu(menu_);
}

bool ExtensionMenu::Invoke(UINT command) {
  for (Part& part : parts_) {
    if (command < part.first || command >= part.first + kCommandsEach) continue;
    const UINT offset = command - part.first;
    if (part.mail != nullptr) return SUCCEEDED(part.mail->InvokeCommand(offset));
    CMINVOKECOMMANDINFO info{};
    info.cbSize = sizeof info;
    info.hwnd = window_;
    info.lpVerb = MAKEINTRESOURCEA(offset);
    info.nShow = SW_SHOWNORMAL;
    return SUCCEEDED(part.shell->InvokeCommand(&info));
  }
  return false;
}

std::string ExtensionMenu::HelpOf(UINT command) {
  char text[256] = {};
  for (Part& part : parts_) {
    if (command < part.first || command >= part.first + kCommandsEach) continue;
    const UINT offset = command - part.first;
    if (part.mail != nullptr) part.mail->GetCommandHelp(offset, text, sizeof text);
    if (part.shell != nullptr) part.shell->GetCommandString(offset, GCS_HELPTEXTA, nullptr, text, sizeof text);
  }
  return text;
}

IRMMUIViewExt* AttachMailColumn(HWND list) {
  IRMMUIFolder* folder = MailFolderOf(CLSID_RMMUIFolder);
  if (folder == nullptr) return nullptr;
  IRMMUIViewExt* column = MailObject<IRMMUIViewExt>(folder, CLSID_RMMUIViewExt);
  folder->Release();
  if (column != nullptr && FAILED(column->AttachColumn(list))) {
    column->Release();
    column = nullptr;
  }
  return column;
}

}  // namespace folderhost
