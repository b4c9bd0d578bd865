#pragma once
// What the management window shows and offers, as the suite's modules
// registered it below "SOFTWARE\NRV\Prindora\NameSpace": the folders of its
// tree (each key but the window's own, labelled by its default value and
// "COMMENT", in the order of "ID"), and the extensions of its own key (the
// LAN board entry, mail notification), in the order of "Order".

#include <windows.h>

#include <string>
#include <vector>

namespace folderhost {

// The window's own class id; its key holds the extensions.
inline constexpr CLSID kHostClass = {0x5D2E00D0, 0xB41C, 0x11D1, {0x9E, 0x27, 0x00, 0xA0, 0xC9, 0xA4, 0x1F, 0x30}};

struct NameSpaceEntry {
  CLSID clsid;
  std::wstring label;
  std::wstring comment;
  DWORD order;
  DWORD attributes;
};

std::vector<NameSpaceEntry> RegisteredFolders();
std::vector<NameSpaceEntry> RegisteredExtensions();

}  // namespace folderhost
