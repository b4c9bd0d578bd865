#pragma once
// A printer opened through the spooler.

#include <windows.h>
#include <winspool.h>

#include "common/win/owner.h"

struct PrinterKind {
  using Handle = HANDLE;
  static Handle Empty() noexcept { return nullptr; }
  static void Release(Handle printer) noexcept { ClosePrinter(printer); }
};
using PrinterHandle = Owner<PrinterKind>;
