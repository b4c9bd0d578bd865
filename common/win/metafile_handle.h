#pragma once
// A Windows metafile (HMETAFILE), deleted with the owner.

#include <windows.h>

#include <utility>

class MetafileHandle {
 public:
  MetafileHandle() = default;
  explicit MetafileHandle(HMETAFILE metafile) : metafile_(metafile) {}
  ~MetafileHandle() {
    if (metafile_ != nullptr) DeleteMetaFile(metafile_);
  }
  MetafileHandle(MetafileHandle&& other) noexcept
      : metafile_(std::exchange(other.metafile_, nullptr)) {}
  MetafileHandle& operator=(MetafileHandle&& other) noexcept {
    std::swap(metafile_, other.metafile_);
    return *this;
  }
  MetafileHandle(const MetafileHandle&) = delete;
  MetafileHandle& operator=(const MetafileHandle&) = delete;

  HMETAFILE get() const { return metafile_; }
  explicit operator bool() const { return metafile_ != nullptr; }

 private:
  HMETAFILE metafile_ = nullptr;
};
