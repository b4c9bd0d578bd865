#pragma once
// A handle of the service control manager or of one service.

#include <windows.h>

#include "common/win/owner.h"

struct ServiceKind {
  using Handle = SC_HANDLE;
  static Handle Empty() noexcept { return nullptr; }
  static void Release(Handle handle) noexcept { CloseServiceHandle(handle); }
};
using ServiceHandle = Owner<ServiceKind>;
