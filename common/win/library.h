#pragma once
// A loaded library, freed with the owner, and the entries found in it.

#include <windows.h>

#include "common/win/owner.h"

struct LibraryKind {
  using Handle = HMODULE;
  static Handle Empty() noexcept { return nullptr; }
  static void Release(Handle module) noexcept { FreeLibrary(module); }
};

class Library : public Owner<LibraryKind> {
 public:
  using Owner::Owner;

  // The entry named `name` as a function of type `Function`; null when the
  // library lacks it (or none is held).
  template <typename Function>
  Function Find(const char* name) const {
    if (!*this) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(get(), name)));
  }
};
