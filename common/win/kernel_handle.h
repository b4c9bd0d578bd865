#pragma once
// Kernel objects: events, mutexes, threads and processes (null when absent),
// files and directory searches, whose calls report failure as
// INVALID_HANDLE_VALUE instead.

#include <windows.h>

#include "common/win/owner.h"

struct KernelObjectKind {
  using Handle = HANDLE;
  static Handle Empty() noexcept { return nullptr; }
  static void Release(Handle handle) noexcept { CloseHandle(handle); }
};
using KernelHandle = Owner<KernelObjectKind>;

struct FileKind {
  using Handle = HANDLE;
  static Handle Empty() noexcept { return INVALID_HANDLE_VALUE; }
  static void Release(Handle handle) noexcept { CloseHandle(handle); }
};
using FileHandle = Owner<FileKind>;

// A directory search of FindFirstFile.
struct FindKind {
  using Handle = HANDLE;
  static Handle Empty() noexcept { return INVALID_HANDLE_VALUE; }
  static void Release(Handle handle) noexcept { FindClose(handle); }
};
using FindHandle = Owner<FindKind>;

// Both handles CreateProcess hands out, closed with the owner.
struct ProcessHandles {
  KernelHandle process;
  KernelHandle thread;
  explicit ProcessHandles(const PROCESS_INFORMATION& started)
      : process(started.hProcess), thread(started.hThread) {}
};
