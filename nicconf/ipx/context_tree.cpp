// The NDS name-context tree: the directory listed level by level into a tree
// view, organisations and organisational units below the first level.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>

#include "common/bounded_text.h"
#include "nicconf/ipx/ipx_art.h"
#include "nicconf/ipx/ipx_jobs.h"
#include "nicconf/ipx/ipx_module.h"

namespace nic::ipx {
namespace {

constexpr int kRootImage = 0;
constexpr int kItemImage = 1;
constexpr int kSelectedImage = 2;

bool Failed(std::int32_t status) { return status < 0; }

bool GiveImages(HINSTANCE resources, HWND tree) {
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24, 3, 0);
  if (images == nullptr) return false;
  int added = 0;
  for (int id : {IDB_IPX_CONTEXT_ROOT, IDB_IPX_CONTEXT_ITEM, IDB_IPX_CONTEXT_SELECTED}) {
    HBITMAP bitmap = LoadBitmapA(resources, MAKEINTRESOURCEA(id));
    if (bitmap == nullptr) continue;
    if (ImageList_Add(images, bitmap, nullptr) >= 0) ++added;
    DeleteObject(bitmap);
  }
  if (added != 3) {
    ImageList_Destroy(images);
    return false;
  }
  HIMAGELIST earlier = TreeView_SetImageList(tree, images, TVSIL_NORMAL);
  if (earlier != nullptr && earlier != images) ImageList_Destroy(earlier);
  return true;
}

HTREEITEM AddItem(HWND tree, HTREEITEM parent, const char* text) {
  TVINSERTSTRUCTA insert{};
  const bool first = TreeView_GetCount(tree) == 0;
  insert.hParent = first ? TVI_ROOT : parent;
  insert.hInsertAfter = first ? TVI_FIRST : TVI_SORT;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  insert.item.pszText = const_cast<char*>(text);
  insert.item.iImage = first ? kRootImage : kItemImage;
  insert.item.iSelectedImage = first ? kRootImage : kSelectedImage;
  return reinterpret_cast<HTREEITEM>(
      SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

bool Descended(const netware::ObjectInfo& info) {
  return std::strcmp(info.baseClass, "Organizational Unit") == 0 ||
         std::strcmp(info.baseClass, "Organization") == 0;
}

// One level: the context's leftmost name as an item, then its subordinates.
bool FillLevel(const Functions& f, HWND tree, const char* context, HTREEITEM parent) {
  const std::int32_t handle = f.createContext();
  if (handle == netware::kNoContext) return false;
  char name[netware::kMaxDirectoryName] = {};
  char leftmost[netware::kMaxDirectoryName] = {};
  bool ok = !Failed(f.setContext(handle, netware::kNameContextKey, context)) &&
            !Failed(f.getContext(handle, netware::kNameContextKey, name));
  if (ok) {
    name[sizeof name - 1] = '\0';
    std::sscanf(name, "%256[^'.']", leftmost);
  }
  HTREEITEM item = ok ? AddItem(tree, parent, leftmost) : nullptr;
  const bool atRoot = std::strcmp(name, "[Root]") == 0;
  netware::ListBuffer* buffer = nullptr;
  ok = ok && item != nullptr && !Failed(f.allocBuf(netware::kListBufferSize, &buffer));
  std::int32_t iteration = netware::kIterationDone;
  do {
    if (!ok) break;
    if (Failed(f.list(handle, "", &iteration, buffer))) {
      ok = false;
      break;
    }
    std::uint32_t count = 0;
    if (Failed(f.getObjectCount(handle, buffer, &count))) {
      ok = false;
      break;
    }
    for (std::uint32_t i = 0; i < count && ok; ++i) {
      char object[netware::kMaxDirectoryName] = {};
      std::uint32_t attributes = 0;
      netware::ObjectInfo info{};
      if (Failed(f.getObjectName(handle, buffer, object, &attributes, &info))) {
        ok = false;
        break;
      }
      object[sizeof object - 1] = '\0';
      info.baseClass[sizeof info.baseClass - 1] = '\0';
      // What lies at the root is listed whatever it is; further down only
      // what can be a name context.
      if (!atRoot && !Descended(info)) continue;
      char below[2 * netware::kMaxDirectoryName] = {};
      std::snprintf(below, sizeof below, "%s.%s", object, name);
      ok = FillLevel(f, tree, below, item);
    }
  } while (ok && iteration != netware::kIterationDone);
  // The listing buffer goes with its context.
  f.freeContext(handle);
  return ok;
}

}  // namespace

bool FillContextTree(HINSTANCE resources, HWND tree, const char* context, HTREEITEM parent) {
  Module& m = IpxModule();
  if (!m.started || tree == nullptr || !GiveImages(resources, tree)) return false;
  if (Failed(static_cast<std::int32_t>(m.functions.callsInit(nullptr, nullptr)))) return false;
  return FillLevel(m.functions, tree, context != nullptr && context[0] != '\0' ? context : "[Root]",
                   parent);
}

}  // namespace nic::ipx
