#pragma once
// A registered event-log source.

#include <windows.h>

#include "common/win/owner.h"

struct EventSourceKind {
  using Handle = HANDLE;
  static Handle Empty() noexcept { return nullptr; }
  static void Release(Handle source) noexcept { DeregisterEventSource(source); }
};
using EventSource = Owner<EventSourceKind>;
