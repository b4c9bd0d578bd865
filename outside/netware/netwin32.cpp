// NETWIN32.DLL stand-in: directory contexts over the tree of
// directory_tree.h. Listings come two objects a call, so a caller must
// follow the iteration handle until it returns to -1. Listing buffers are
// released with the context they were used with.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <sstream>

#include "nicconf/ipx/netware_api.h"
#include "outside/netware/directory_tree.h"

namespace nic::ipx::netware {
struct ListBuffer {
  std::vector<netware_standin::DirectoryObject> page;
  std::size_t next = 0;
};
}  // namespace nic::ipx::netware

namespace {

namespace nw = nic::ipx::netware;

constexpr std::int32_t kError = -1;
constexpr std::size_t kPageSize = 2;

struct Context {
  std::string name = "[Root]";
  std::vector<std::unique_ptr<nw::ListBuffer>> buffers;
};

std::mutex lock;
std::map<std::int32_t, std::unique_ptr<Context>> contexts;
std::int32_t nextContext = 1;

// The variable as the process holds it now (the C library's copy is taken
// at start-up and misses later changes).
std::string Environment(const char* name) {
  char value[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length > 0 && length < sizeof value ? value : "";
}

Context* Find(std::int32_t handle) {
  auto found = contexts.find(handle);
  return found == contexts.end() ? nullptr : found->second.get();
}

std::vector<netware_standin::DirectoryObject> Directory() {
  std::ifstream file(Environment("NWDS_TREE"));
  std::stringstream text;
  text << file.rdbuf();
  return netware_standin::ReadDirectory(text.str());
}

}  // namespace

extern "C" {

std::int32_t NW_CALL NWDSCreateContext() {
  std::lock_guard<std::mutex> hold(lock);
  const std::int32_t handle = nextContext++;
  contexts[handle] = std::make_unique<Context>();
  return handle;
}

std::int32_t NW_CALL NWDSSetContext(std::int32_t handle, std::uint32_t key, const void* value) {
  std::lock_guard<std::mutex> hold(lock);
  Context* context = Find(handle);
  if (context == nullptr || key != nw::kNameContextKey || value == nullptr) return kError;
  const char* text = static_cast<const char*>(value);
  if (std::strlen(text) >= nw::kMaxDirectoryName) return kError;
  context->name = text;
  return 0;
}

std::int32_t NW_CALL NWDSGetContext(std::int32_t handle, std::uint32_t key, void* value) {
  std::lock_guard<std::mutex> hold(lock);
  Context* context = Find(handle);
  if (context == nullptr || key != nw::kNameContextKey || value == nullptr) return kError;
  std::memcpy(value, context->name.c_str(), context->name.size() + 1);
  return 0;
}

// The buffer belongs to the next context that lists into it.
std::int32_t NW_CALL NWDSAllocBuf(std::size_t size, nw::ListBuffer** buffer) {
  if (buffer == nullptr || size < 256) return kError;
  *buffer = new (std::nothrow) nw::ListBuffer;
  return *buffer == nullptr ? kError : 0;
}

std::int32_t NW_CALL NWDSList(std::int32_t handle, const char* object, std::int32_t* iteration,
                              nw::ListBuffer* buffer) {
  std::lock_guard<std::mutex> hold(lock);
  Context* context = Find(handle);
  if (context == nullptr || object == nullptr || iteration == nullptr || buffer == nullptr) {
    return kError;
  }
  bool owned = false;
  for (const auto& b : context->buffers) owned = owned || b.get() == buffer;
  if (!owned) context->buffers.emplace_back(buffer);
  const auto below = netware_standin::Subordinates(Directory(), context->name);
  const std::size_t start = *iteration < 0 ? 0 : static_cast<std::size_t>(*iteration);
  if (start > below.size()) return kError;
  const std::size_t end = std::min(below.size(), start + kPageSize);
  buffer->page.assign(below.begin() + static_cast<std::ptrdiff_t>(start),
                      below.begin() + static_cast<std::ptrdiff_t>(end));
  buffer->next = 0;
  *iteration = end == below.size() ? nw::kIterationDone : static_cast<std::int32_t>(end);
  return 0;
}

std::int32_t NW_CALL NWDSGetObjectCount(std::int32_t, nw::ListBuffer* buffer, std::uint32_t* count) {
  if (buffer == nullptr || count == nullptr) return kError;
  *count = static_cast<std::uint32_t>(buffer->page.size());
  return 0;
}

std::int32_t NW_CALL NWDSGetObjectName(std::int32_t, nw::ListBuffer* buffer, char* name,
                                       std::uint32_t* attributes, nw::ObjectInfo* info) {
  if (buffer == nullptr || name == nullptr || info == nullptr ||
      buffer->next >= buffer->page.size()) {
    return kError;
  }
  const auto& object = buffer->page[buffer->next++];
  if (object.name.size() >= nw::kMaxDirectoryName ||
      object.baseClass.size() >= sizeof info->baseClass) {
    return kError;
  }
  std::memcpy(name, object.name.c_str(), object.name.size() + 1);
  *info = nw::ObjectInfo{};
  std::memcpy(info->baseClass, object.baseClass.c_str(), object.baseClass.size() + 1);
  if (attributes != nullptr) *attributes = 0;
  return 0;
}

std::int32_t NW_CALL NWDSFreeContext(std::int32_t handle) {
  std::lock_guard<std::mutex> hold(lock);
  return contexts.erase(handle) == 1 ? 0 : kError;
}

}  // extern "C"
