#pragma once
// The monitor's process-wide state: one lock over the port list, record
// creation and the job-state bits, the registry root the spooler gave, and
// the build's configuration.

#include <windows.h>

#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/socket_library.h"
#include "platform/clock.h"
#include "portmon/core/net_port.h"
#include "portmon/core/spooler_calls.h"
#include "portmon/shell/monitor_config.h"

namespace portmon {

// What the monitor's jobs reach outside themselves: the spooler, the
// collated jobs' stores, the long waits and the clock of the pauses.
struct MonitorSeams {
  SpoolerCalls spooler;
  CollationCalls collation = NoCollationStores();
  JobTimings timings;
  platform::Clock clock = platform::SystemClock();
};

class Monitor {
 public:
  static Monitor& Instance();

  // Takes the root (or the build's default when none is given) and the
  // seams, starts the socket library. False when it cannot start.
  bool Initialize(HINSTANCE module, const wchar_t* registryRoot, const MonitorConfig& config,
                  const MonitorSeams& seams);

  HINSTANCE module() const { return module_; }
  const MonitorConfig& config() const { return *config_; }
  const std::wstring& registryRoot() const { return registryRoot_; }
  const MonitorSeams& seams() const { return seams_; }
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
  MonitorSeams seams_;
  std::mutex lock_;
  // Started before any port exists and ended after the last one is gone.
  std::optional<platform::SocketLibrary> sockets_;
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
