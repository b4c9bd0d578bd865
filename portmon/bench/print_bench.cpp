// Raw print throughput to one simulated printer's sink, in 64 KiB writes:
//   print_bench plain <ip> <mebibytes>     a plain blocking send loop
//   print_bench monitor <ip> <mebibytes>   (Windows) portmonnt4.dll loaded by
//                                          name and driven through its table
// Prints "<mode> <bytes> <seconds> <MB/s>". The time is the job's: from
// connecting (the plain loop) or StartDocPort (the monitor) to the printer's
// close. Loading the monitor and starting it, which a spooler does once per
// process and not per job, are timed apart and told on the error output.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/socket_error.h"
#include "platform/socket_library.h"
#include "platform/tcp_socket.h"
#include "platform/tick.h"
#include "platform/udp_socket.h"

#ifdef _WIN32
#include <winsock2.h>
#include <windows.h>
#include <winsplp.h>

#include "common/win/library.h"
#else
#include <arpa/inet.h>
#endif

namespace {

constexpr std::size_t kWrite = 64 * 1024;

std::vector<std::uint8_t> Chunk() {
  std::vector<std::uint8_t> chunk(kWrite);
  for (std::size_t i = 0; i < chunk.size(); ++i) chunk[i] = static_cast<std::uint8_t>(i * 131 + 7);
  return chunk;
}

bool PlainLoop(const char* ip, std::uint64_t total, std::uint32_t& jobMs) {
  const std::uint32_t start = platform::TickCount();
  platform::TcpSocket socket;
  if (socket.Open() != 0 || socket.Connect(inet_addr(ip), 9100) != 0) return false;
  const auto chunk = Chunk();
  for (std::uint64_t done = 0; done < total;) {
    std::size_t sent = 0;
    const std::size_t size = static_cast<std::size_t>(std::min<std::uint64_t>(kWrite, total - done));
    if (socket.Send({chunk.data(), size}, sent) != 0) return false;
    done += sent;
  }
  socket.ShutdownSending();
  std::uint8_t scratch[256];
  for (std::size_t n = 1; n > 0;) {
    if (socket.Receive(scratch, n) != 0) break;
  }
  jobMs = platform::TicksSince(start);
  return true;
}

#ifdef _WIN32
using InitializeMonitorExFunction = BOOL(WINAPI*)(LPWSTR, LPMONITOR);

bool ThroughMonitor(const char* ip, std::uint64_t total, std::uint32_t& jobMs) {
  const std::uint32_t loading = platform::TickCount();
  std::wstring root = L"Software\\NicSuiteBench\\Monitor";
  std::wstring port(ip, ip + std::strlen(ip));
  DWORD address = inet_addr(ip);
  RegSetKeyValueW(HKEY_LOCAL_MACHINE, root.c_str(), port.c_str(), REG_DWORD, &address, 4);
  const Library module(LoadLibraryW(L"portmonnt4.dll"));
  auto initialize = reinterpret_cast<InitializeMonitorExFunction>(
      reinterpret_cast<void*>(GetProcAddress(module.get(), "InitializeMonitorEx")));
  MONITOR table{};
  if (initialize == nullptr || !initialize(root.data(), &table)) return false;
  std::fprintf(stderr, "monitor loaded and started in %u ms\n", platform::TicksSince(loading));
  const std::uint32_t start = platform::TickCount();
  HANDLE handle = nullptr;
  if (!table.pfnOpenPort(port.data(), &handle) ||
      !table.pfnStartDocPort(handle, const_cast<wchar_t*>(L"bench"), 1, 1, nullptr)) {
    return false;
  }
  auto chunk = Chunk();
  for (std::uint64_t done = 0; done < total;) {
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(std::min<std::uint64_t>(kWrite, total - done));
    if (!table.pfnWritePort(handle, chunk.data(), size, &written)) return false;
    done += written;
  }
  table.pfnEndDocPort(handle);
  jobMs = platform::TicksSince(start);
  table.pfnClosePort(handle);
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\NicSuiteBench");
  return true;
}
#endif

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: print_bench plain|monitor <ip> <mebibytes>\n");
    return 2;
  }
  const std::string mode = argv[1];
  const std::uint64_t total = std::strtoull(argv[3], nullptr, 10) << 20;
  const platform::SocketLibrary sockets;
  if (!sockets.started()) return 1;
  std::uint32_t jobMs = 0;
  bool ok = false;
  if (mode == "plain") ok = PlainLoop(argv[2], total, jobMs);
#ifdef _WIN32
  if (mode == "monitor") ok = ThroughMonitor(argv[2], total, jobMs);
#endif
  const double seconds = std::max<std::uint32_t>(jobMs, 1) / 1000.0;
  if (!ok) {
    std::fprintf(stderr, "print_bench %s failed\n", mode.c_str());
    return 1;
  }
  std::printf("%s %llu %.3f %.1f\n", mode.c_str(), static_cast<unsigned long long>(total), seconds,
              total / seconds / 1e6);
  return 0;
}
