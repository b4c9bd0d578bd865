#include "outside/picture_plugin/picture_plugin.h"

#include <cstring>

#include "nicconf/exchange/status_poll.h"

// A teal ground, a printer's outline and the model's name, 200 x 200.
extern "C" HBITMAP WINAPI DllCreatePrinterBitmap(HINSTANCE, nic::PrinterPictureInfo* info, DWORD) {
  if (info == nullptr || std::strncmp(info->model, kDrawnPrefix, sizeof kDrawnPrefix - 1) != 0) return nullptr;
  HDC screen = GetDC(nullptr);
  HDC canvas = CreateCompatibleDC(screen);
  HBITMAP picture = CreateCompatibleBitmap(screen, 200, 200);
  HGDIOBJ previous = SelectObject(canvas, picture);
  HBRUSH ground = CreateSolidBrush(kGround);
  const RECT all = {0, 0, 200, 200};
  FillRect(canvas, &all, ground);
  DeleteObject(ground);
  Rectangle(canvas, 40, 70, 160, 150);
  SetBkMode(canvas, TRANSPARENT);
  TextOutA(canvas, 50, 100, info->model, static_cast<int>(strnlen(info->model, sizeof info->model)));
  SelectObject(canvas, previous);
  DeleteDC(canvas);
  ReleaseDC(nullptr, screen);
  return picture;
}
