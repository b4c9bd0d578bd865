#pragma once
// A port of the spooler's own local monitor, which the spooler lists from
// this key; the key is left as it was found. Lets a test put a name among
// the spooler's ports without a second monitor.

#include <windows.h>

#include <string>

namespace portmon::test {

class LocalMonitorPort {
 public:
  explicit LocalMonitorPort(std::wstring name) : name_(std::move(name)) {
    existed_ = RegGetValueW(HKEY_LOCAL_MACHINE, kPorts, name_.c_str(), RRF_RT_ANY, nullptr, nullptr,
                            nullptr) == ERROR_SUCCESS;
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, kPorts, name_.c_str(), REG_SZ, L"", sizeof(L""));
  }
  ~LocalMonitorPort() {
    if (!existed_) RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kPorts, name_.c_str());
  }
  LocalMonitorPort(const LocalMonitorPort&) = delete;
  LocalMonitorPort& operator=(const LocalMonitorPort&) = delete;

 private:
  static constexpr wchar_t kPorts[] = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports";
  std::wstring name_;
  bool existed_ = false;
};

}  // namespace portmon::test
