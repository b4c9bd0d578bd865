#include "tools/nicsim/print_jobs.h"

#include <fcntl.h>
#include <sys/socket.h>

#include "tools/shared/loopback_socket.h"

namespace nicsim {
namespace {

// Large reads keep a 100 MiB job quick even under the sanitizers.
constexpr std::size_t kReadChunk = 1 << 20;
constexpr std::uint16_t kPrintPort = 9100;

Event JobEvent(const char* kind, const std::string& nicIp, const tools::Peer& peer,
               const std::string& path) {
  Event event;
  event.kind = kind;
  event.nicIp = nicIp;
  event.peerIp = peer.ip;
  event.peerPort = peer.port;
  event.localPort = kPrintPort;
  event.path = path;
  return event;
}

}  // namespace

PrintJobs::PrintJobs(std::string jobDir, EventLog& log)
    : jobDir_(std::move(jobDir)), log_(log), buffer_(kReadChunk) {}

void PrintJobs::Accept(int listener, const std::string& nicIp, const PrintSink& sink) {
  while (AcceptOne(listener, nicIp, sink)) {
  }
}

bool PrintJobs::AcceptOne(int listener, const std::string& nicIp, const PrintSink& sink) {
  sockaddr_in from{};
  socklen_t fromLength = sizeof from;
  tools::UniqueFd socket(::accept4(listener, reinterpret_cast<sockaddr*>(&from), &fromLength,
                            SOCK_NONBLOCK | SOCK_CLOEXEC));
  if (!socket) return false;
  const std::string path = jobDir_ + "/" + nicIp + "-" + std::to_string(++sequence_) + ".prn";
  tools::UniqueFd file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (!file) return true;
  const tools::Peer peer = tools::PeerOf(from);
  log_.Record(JobEvent("connect", nicIp, peer, path));
  const int fd = socket.get();
  connections_[fd] = std::make_unique<PrintConnection>(std::move(socket), std::move(file),
                                                       JobEvent("job", nicIp, peer, path), sink);
  ++generation_;
  return true;
}

void PrintJobs::Read(int fd, MonoNs now) {
  const auto it = connections_.find(fd);
  if (it == connections_.end() || it->second->Read(now, buffer_)) return;
  const Event job = it->second->Finish();
  connections_.erase(it);
  ++generation_;
  log_.Record(job);
}

std::vector<int> PrintJobs::Readable(MonoNs now) const {
  std::vector<int> fds;
  for (const auto& [fd, connection] : connections_) {
    if (connection->WantsRead(now)) fds.push_back(fd);
  }
  return fds;
}

int PrintJobs::TimeoutMs(MonoNs now) const {
  std::optional<MonoNs> next;
  for (const auto& [fd, connection] : connections_) {
    const auto at = connection->ResumeAt();
    if (at && (!next || *at < *next)) next = at;
  }
  if (!next) return -1;
  if (*next <= now) return 0;
  // Rounded up, so that the wake-up never comes before the reader may read.
  return static_cast<int>((*next - now + kNsPerMs - 1) / kNsPerMs);
}

void PrintJobs::ApplySink(const std::string& nicIp, const PrintSink& sink) {
  for (auto& [fd, connection] : connections_) {
    if (connection->nicIp() == nicIp) connection->SetSink(sink);
  }
}

void PrintJobs::FinishAll() {
  for (auto& [fd, connection] : connections_) log_.Record(connection->Finish());
  if (!connections_.empty()) ++generation_;
  connections_.clear();
}

}  // namespace nicsim
