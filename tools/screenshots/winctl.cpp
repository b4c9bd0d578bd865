// winctl: what the screenshot script asks of the windows on a Wine desktop
// that xdotool cannot see: where a window is, and choosing a sheet's page
// as a click on its tab does. A developer's tool, not a deliverable.
//
//   winctl list                 every visible top-level window: x y w h title
//   winctl rect TITLE [SECONDS] the window's x y w h once it is there
//                               (exit 1 when it does not come)
//   winctl page TITLE N         chooses page N (from 0) of the sheet TITLE
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Search {
  const wchar_t* title;
  HWND found;
};

BOOL CALLBACK Print(HWND window, LPARAM) {
  if (!IsWindowVisible(window)) return TRUE;
  wchar_t title[256] = {};
  GetWindowTextW(window, title, 256);
  RECT r{};
  GetWindowRect(window, &r);
  char utf8[768] = {};
  WideCharToMultiByte(CP_UTF8, 0, title, -1, utf8, sizeof utf8, nullptr, nullptr);
  std::printf("%ld %ld %ld %ld %s\n", r.left, r.top, r.right - r.left, r.bottom - r.top, utf8);
  return TRUE;
}

BOOL CALLBACK Match(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<Search*>(parameter);
  wchar_t title[256] = {};
  GetWindowTextW(window, title, 256);
  if (IsWindowVisible(window) && std::wcscmp(title, search.title) == 0) search.found = window;
  return TRUE;
}

HWND Find(const wchar_t* title, int seconds) {
  for (int tries = 0; tries <= seconds * 10; ++tries) {
    Search search{title, nullptr};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
    Sleep(100);
  }
  return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc >= 2 && std::wcscmp(argv[1], L"list") == 0) {
    EnumWindows(Print, 0);
    return 0;
  }
  if (argc >= 3 && std::wcscmp(argv[1], L"rect") == 0) {
    HWND window = Find(argv[2], argc > 3 ? _wtoi(argv[3]) : 10);
    if (window == nullptr) return 1;
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
  }
  if (argc >= 4 && std::wcscmp(argv[1], L"page") == 0) {
    HWND sheet = Find(argv[2], 10);
    if (sheet == nullptr) return 1;
    PostMessageW(sheet, PSM_SETCURSEL, static_cast<WPARAM>(_wtoi(argv[3])), 0);
    return 0;
  }
  std::fprintf(stderr, "usage: winctl list | rect TITLE [SECONDS] | page TITLE N\n");
  return 2;
}
