#include "rmmmodelui/column_callback.h"

#include <atomic>

namespace rmmui {
namespace {

std::atomic<DavColumnCallback> stored{nullptr};

}  // namespace

void StoreColumnCallback(DavColumnCallback callback) { stored = callback; }

void TellColumn(int item) {
  if (DavColumnCallback callback = stored) callback(item);
}

}  // namespace rmmui
