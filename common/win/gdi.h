#pragma once
// GDI objects (bitmaps, brushes, fonts, pens, regions), icons and cursors
// that were made or loaded unshared (DestroyIcon), device contexts that
// were created (DeleteDC) and the one of a window that was only borrowed
// (ReleaseDC), and an object selected into a context for a while.

#include <windows.h>

#include "common/win/owner.h"

template <typename Object>
struct GdiObjectKind {
  using Handle = Object;
  static Handle Empty() noexcept { return nullptr; }
  static void Release(Handle object) noexcept { DeleteObject(object); }
};
template <typename Object>
using GdiObject = Owner<GdiObjectKind<Object>>;
using Bitmap = GdiObject<HBITMAP>;
using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;

struct IconKind {
  using Handle = HICON;
  static Handle Empty() noexcept { return nullptr; }
  static void Release(Handle icon) noexcept { DestroyIcon(icon); }
};
using Icon = Owner<IconKind>;

struct DeviceContextKind {
  using Handle = HDC;
  static Handle Empty() noexcept { return nullptr; }
  static void Release(Handle dc) noexcept { DeleteDC(dc); }
};
using DeviceContext = Owner<DeviceContextKind>;

// The context of a window (or of the screen for null), given back with the
// owner.
class WindowContext {
 public:
  explicit WindowContext(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
  ~WindowContext() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  WindowContext(const WindowContext&) = delete;
  WindowContext& operator=(const WindowContext&) = delete;

  HDC get() const noexcept { return dc_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// `object` selected into `dc` for the owner's life; the one it replaced
// comes back afterwards.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};
