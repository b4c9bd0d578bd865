#pragma once
// A loaded library, freed with the owner.

#include <windows.h>

#include <utility>

class Library {
 public:
  Library() = default;
  explicit Library(HMODULE module) : module_(module) {}
  ~Library() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  Library(Library&& other) noexcept : module_(std::exchange(other.module_, nullptr)) {}
  Library& operator=(Library&& other) noexcept {
    std::swap(module_, other.module_);
    return *this;
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  HMODULE get() const { return module_; }
  explicit operator bool() const { return module_ != nullptr; }
  template <typename Function>
  Function Find(const char* name) const {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }

 private:
  HMODULE module_ = nullptr;
};
