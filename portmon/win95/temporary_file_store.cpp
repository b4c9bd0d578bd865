#include "portmon/win95/temporary_file_store.h"

#include <windows.h>

#include <string>

#include "common/win/kernel_handle.h"
#include "portmon/shell/monitor.h"
#include "portmon/shell/port_dialogs.h"

namespace portmon {
namespace {

HANDLE OpenFile(const std::string& path, DWORD access, DWORD disposition, DWORD attributes) {
  const HANDLE file =
      CreateFileA(path.c_str(), access, 0, nullptr, disposition, attributes, nullptr);
  return file == INVALID_HANDLE_VALUE ? nullptr : file;
}

class TemporaryFileStore {
 public:
  TemporaryFileStore(std::string path, HANDLE file) : path_(std::move(path)), file_(file) {}
  ~TemporaryFileStore() {
    if (view_ != nullptr) UnmapViewOfFile(view_);
    mapping_ = KernelHandle();
    file_ = KernelHandle();
    DeleteFileA(path_.c_str());
  }

  bool Append(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
      DWORD written = 0;
      const auto piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
      if (!WriteFile(file_.get(), bytes.data(), piece, &written, nullptr) || written == 0) {
        return false;
      }
      bytes = bytes.subspan(written);
    }
    return true;
  }

  // The file is closed and opened again for reading only, then mapped.
  std::optional<std::span<const std::uint8_t>> Contents() {
    file_ = KernelHandle();  // unshared: the writing handle must go first
    file_ = KernelHandle(OpenFile(path_, GENERIC_READ, OPEN_EXISTING, FILE_ATTRIBUTE_TEMPORARY));
    LARGE_INTEGER size{};
    if (!file_ || !GetFileSizeEx(file_.get(), &size)) return std::nullopt;
    if (size.QuadPart == 0) return std::span<const std::uint8_t>();
    mapping_ = KernelHandle(CreateFileMappingA(file_.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (!mapping_) return std::nullopt;
    view_ = MapViewOfFile(mapping_.get(), FILE_MAP_READ, 0, 0, 0);
    if (view_ == nullptr) return std::nullopt;
    return std::span(static_cast<const std::uint8_t*>(view_), static_cast<std::size_t>(size.QuadPart));
  }

 private:
  std::string path_;
  KernelHandle file_;
  KernelHandle mapping_;
  void* view_ = nullptr;
};

void* CreateStore(void*) {
  char folder[MAX_PATH + 1] = {};
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(MAX_PATH, folder);
  if (length == 0 || length > MAX_PATH || GetTempFileNameA(folder, "ppr", 0, path) == 0) {
    return nullptr;
  }
  const HANDLE file = OpenFile(path, GENERIC_READ | GENERIC_WRITE, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_TEMPORARY);
  if (file == nullptr) {
    DeleteFileA(path);  // GetTempFileName made it
    return nullptr;
  }
  return new TemporaryFileStore(path, file);
}

bool Append(void*, void* store, std::span<const std::uint8_t> bytes) {
  return static_cast<TemporaryFileStore*>(store)->Append(bytes);
}

std::optional<std::span<const std::uint8_t>> Contents(void*, void* store) {
  return static_cast<TemporaryFileStore*>(store)->Contents();
}

void Remove(void*, void* store) { delete static_cast<TemporaryFileStore*>(store); }

// An exclamation beep and message 505 with a stop icon, over no window.
void ReportFailure(void*) {
  MessageBeep(MB_ICONEXCLAMATION);
  ShowMonitorMessage(nullptr, IDS_TEMPORARY_FILE_FAILED, MB_OK | MB_ICONSTOP);
}

}  // namespace

CollationCalls TemporaryFileStores() {
  return {nullptr, CreateStore, Append, Contents, Remove, ReportFailure};
}

}  // namespace portmon
