#pragma once
// An open registry key, closed with the owner.

#include <windows.h>

#include <utility>

class RegistryKey {
 public:
  RegistryKey() = default;
  explicit RegistryKey(HKEY key) : key_(key) {}
  ~RegistryKey() { Close(); }
  RegistryKey(RegistryKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
  RegistryKey& operator=(RegistryKey&& other) noexcept {
    if (this != &other) {
      Close();
      key_ = std::exchange(other.key_, nullptr);
    }
    return *this;
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  // Opens (or, with `create`, creates) `path` below `parent`; false on failure.
  bool Open(HKEY parent, const wchar_t* path, REGSAM access, bool create = false) {
    Close();
    HKEY key = nullptr;
    const LONG result =
        create ? RegCreateKeyExW(parent, path, 0, const_cast<wchar_t*>(L""), 0, access, nullptr,
                                 &key, nullptr)
               : RegOpenKeyExW(parent, path, 0, access, &key);
    if (result != ERROR_SUCCESS) return false;
    key_ = key;
    return true;
  }

  HKEY get() const { return key_; }
  explicit operator bool() const { return key_ != nullptr; }

 private:
  void Close() {
    if (key_ != nullptr) RegCloseKey(std::exchange(key_, nullptr));
  }
  HKEY key_ = nullptr;
};
