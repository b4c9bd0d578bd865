#pragma once
// The one serving thread of a simulator: it polls every NIC socket, print
// listener and print connection, sends the slow NICs' replies when due, and
// runs the callers' requests (updates, look-ups, stop) between polls, so NIC
// state is only ever touched by it.

#include <poll.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "tools/nicsim/event_log.h"
#include "tools/nicsim/ipx_station.h"
#include "tools/nicsim/nic_registry.h"
#include "tools/nicsim/print_jobs.h"
#include "tools/nicsim/reply_outbox.h"
#include "tools/shared/unique_fd.h"

namespace nicsim {

class SimLoop {
 public:
  SimLoop(std::string jobDir, EventLog& log);

  // Binds everything, on the caller's thread, before Run starts. With a
  // broadcast address, probes sent there reach every NIC. NICs on IPX get
  // their station sockets from `ipxPortBase` up.
  bool Open(const std::vector<SimNic>& nics, const std::string& broadcast,
            std::uint16_t ipxPortBase, std::string* error);

  // Serves until a task calls Quit; then ends every open job and closes
  // every socket.
  void Run();

  // From any other thread while Run serves: runs `task` on the serving
  // thread between polls and returns when it is done.
  void Call(std::function<void()> task);

  // Serving thread only (inside a task).
  void Quit() { quit_ = true; }
  // A NIC keeps the IPX network it started with: an update that changes it
  // is refused.
  bool Update(const SimNic& nic);
  std::optional<SimNic> Find(const std::string& mac);

 private:
  enum class TargetKind { Wake, Datagram, Broadcast, WakeUpWatch, Listener, Connection, Ipx };
  struct Target {
    TargetKind kind;
    std::string ip;
    std::uint16_t port = 0;
    std::string mac;  // the NIC an IPX socket serves
  };

  void BuildPollSet(MonoNs now);
  void Add(int fd, Target target);
  void Dispatch(const Target& target, int fd);
  void RunTasks();
  void ReceiveDatagram(int fd, const std::string& ip, std::uint16_t port);
  void ReceiveBroadcast(int fd);
  void ReceiveWakeUp(int fd);
  void ReceiveIpx(int fd, std::uint16_t port, const std::string& mac);
  std::uint64_t Generation() const;
  int PollTimeoutMs(MonoNs now) const;

  EventLog& log_;
  NicRegistry registry_;
  PrintJobs jobs_;
  ReplyOutbox outbox_;
  tools::UniqueFd wake_;
  tools::UniqueFd broadcast_;  // UDP 8450 on the broadcast address, when one is served
  // Serving the limited broadcast: every UDP datagram arriving, to see the
  // wake-up packets, which go to whatever port their sender had.
  tools::UniqueFd wakeUpWatch_;
  std::vector<IpxSocket> ipx_;
  bool quit_ = false;
  std::vector<std::uint8_t> datagram_;
  std::vector<pollfd> pollFds_;
  std::vector<Target> targets_;

  std::mutex tasksMutex_;
  std::deque<std::packaged_task<void()>> tasks_;
};

}  // namespace nicsim
