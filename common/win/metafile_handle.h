#pragma once
// A Windows metafile (HMETAFILE).

#include <windows.h>

#include "common/win/owner.h"

struct MetafileKind {
  using Handle = HMETAFILE;
  static Handle Empty() noexcept { return nullptr; }
  static void Release(Handle metafile) noexcept { DeleteMetaFile(metafile); }
};
using MetafileHandle = Owner<MetafileKind>;
