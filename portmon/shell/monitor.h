#pragma once
// The monitor's process-wide state: one lock over the port list, record
// creation and the job-state bits, the registry root the spooler gave, and
// the build's configuration.

#include <windows.h>

#include <list>
#include <memory>
#include <mutex>
#include <string>

#include "portmon/core/net_port.h"
#include "portmon/shell/monitor_config.h"

namespace portmon {

class Monitor {
 public:
  static Monitor& Instance();

  // Takes the root (or the build's default when none is given), starts the
  // socket library. False when it cannot start.
  bool Initialize(HINSTANCE module, const wchar_t* registryRoot, const MonitorConfig& config);

  HINSTANCE module() const { return module_; }
  const MonitorConfig& config() const { return *config_; }
  const std::wstring& registryRoot() const { return registryRoot_; }
  // " (" + string 508 + ")" for builds whose ports are addresses only, else
  // empty.
  const std::wstring& portSuffix() const { return portSuffix_; }
  std::mutex& lock() { return lock_; }

  // Under the lock.
  NetPort* Find(const std::wstring& name);
  NetPort* Add(const std::wstring& name, DWORD address);
  bool Remove(const std::wstring& name);
  template <typename Visit>
  void ForEach(Visit visit) {
    for (const auto& port : ports_) visit(*port);
  }
  std::size_t size() const { return ports_.size(); }

  // A record the spooler holds as a handle; null when it is not one of ours.
  NetPort* FromHandle(HANDLE handle);

 private:
  HINSTANCE module_ = nullptr;
  const MonitorConfig* config_ = nullptr;
  std::wstring registryRoot_;
  std::wstring portSuffix_;
  std::mutex lock_;
  std::list<std::unique_ptr<NetPort>> ports_;
};

// The port an address-only build makes of an address, and back.
std::wstring AddressPortName(const std::wstring& address);
std::wstring BareAddress(const std::wstring& portName);

// The string table text with this number.
std::wstring LoadText(UINT id);

std::u16string ToU16(const std::wstring& text);
std::wstring FromU16(const std::u16string& text);

}  // namespace portmon
