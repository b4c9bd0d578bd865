#pragma once
// A network port: one printer NIC named by dotted address or host name. The
// record is the handle the spooler holds; it lives until the port is
// deleted or the process ends.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include <vector>

#include "platform/tcp_socket.h"
#include "portmon/core/collation_state.h"

namespace portmon {

// The job running on a port. The spooler drives one job of a port at a time.
struct PrintJob {
  platform::TcpSocket socket;  // the print connection, or not open
  void* printer = nullptr;     // the spooler's handle, null when the open failed
  std::uint32_t jobId = 0;
  // Bytes the spooler already counts as written that must reach the printer
  // before any of the next write's.
  std::vector<std::uint8_t> pending;
  CollationState collation;
};

class NetPort {
 public:
  NetPort(std::u16string name, std::u16string description, std::uint32_t address,
          std::uint32_t signature);

  std::uint32_t signature() const { return signature_; }
  const std::u16string& name() const { return name_; }
  const std::u16string& description() const { return description_; }
  // Network byte order; 0 when the name is a host name to resolve.
  std::uint32_t address() const { return address_; }

  // Worker threads change bits without the lock; the monitor's lock guards
  // the read-modify-write sequences that must see each other.
  std::atomic<std::uint32_t> flags{0};

  PrintJob job;

 private:
  const std::uint32_t signature_;
  const std::u16string name_;
  const std::u16string description_;
  const std::uint32_t address_;
};

// Names compare case-insensitively (ASCII letters), as the spooler does.
bool SameName(const std::u16string& a, const std::u16string& b);

// The name as the resolver takes it: ASCII only, empty when it holds
// anything else.
std::string AsciiName(const std::u16string& name);

}  // namespace portmon
