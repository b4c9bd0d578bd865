#include "common/win/window_placement.h"

#include <algorithm>

void CenterOver(HWND window, HWND over) {
  RECT own{}, under{}, screen{};
  GetWindowRect(window, &own);
  GetWindowRect(over != nullptr ? over : GetDesktopWindow(), &under);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
  const int width = own.right - own.left, height = own.bottom - own.top;
  int x = (under.left + under.right - width) / 2, y = (under.top + under.bottom - height) / 2;
  x = std::max(static_cast<int>(screen.left), std::min(x, static_cast<int>(screen.right) - width));
  y = std::max(static_cast<int>(screen.top), std::min(y, static_cast<int>(screen.bottom) - height));
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
