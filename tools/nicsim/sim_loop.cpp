#include "tools/nicsim/sim_loop.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/eventfd.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>

#include "nicproto/frame_kind.h"
#include "nicproto/mac_text.h"
#include "tools/nicsim/datagram_handler.h"
#include "tools/nicsim/datagram_kind.h"

namespace nicsim {
namespace {

constexpr std::size_t kMaxDatagram = 65536;

}  // namespace

SimLoop::SimLoop(std::string jobDir, EventLog& log)
    : log_(log),
      jobs_(std::move(jobDir), log),
      wake_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)),
      datagram_(kMaxDatagram) {}

bool SimLoop::Open(const std::vector<SimNic>& nics, const std::string& broadcast,
                   std::uint16_t ipxPortBase, std::string* error) {
  if (!wake_) {
    if (error != nullptr) *error = "eventfd failed";
    return false;
  }
  if (!registry_.Open(nics, error)) return false;
  if (!broadcast.empty()) broadcast_ = tools::OpenUdpSocket(broadcast, nic::kAttributePort, error);
  // Needs the right to raw sockets, which a namespace's test has; without
  // it wake-ups just go unseen.
  if (broadcast == "255.255.255.255") wakeUpWatch_.reset(::socket(AF_INET, SOCK_RAW | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_UDP));
  if ((broadcast.empty() || broadcast_) && OpenIpxSockets(nics, ipxPortBase, ipx_, error)) {
    return true;
  }
  broadcast_.reset();
  registry_.Close();
  return false;
}

void SimLoop::Run() {
  while (!quit_) {
    const MonoNs now = MonotonicNow();
    BuildPollSet(now);
    if (::poll(pollFds_.data(), pollFds_.size(), PollTimeoutMs(now)) < 0 && errno != EINTR) {
      break;
    }
    outbox_.SendDue(registry_, MonotonicNow());
    // Handling one socket may open or close others (a NIC moves, a job
    // ends); the rest of this round is then stale and waits for a new poll.
    const std::uint64_t generation = Generation();
    for (std::size_t i = 0; i < pollFds_.size() && Generation() == generation && !quit_; ++i) {
      if (pollFds_[i].revents != 0) Dispatch(targets_[i], pollFds_[i].fd);
    }
  }
  jobs_.FinishAll();
  registry_.Close();
}

void SimLoop::Call(std::function<void()> task) {
  std::packaged_task<void()> packaged(std::move(task));
  std::future<void> done = packaged.get_future();
  {
    std::lock_guard lock(tasksMutex_);
    tasks_.push_back(std::move(packaged));
  }
  const std::uint64_t one = 1;
  while (::write(wake_.get(), &one, sizeof one) < 0 && errno == EINTR) {
  }
  done.get();
}

bool SimLoop::Update(const SimNic& nic) {
  const NicState* current = registry_.FindByMac(nic.mac);
  if (current != nullptr && current->settings.ipxNetwork != nic.ipxNetwork) return false;
  if (!registry_.Replace(nic)) return false;
  for (const auto& [ip, endpoint] : registry_.endpoints()) {
    jobs_.ApplySink(ip, *registry_.SinkAt(ip));
  }
  return true;
}

std::optional<SimNic> SimLoop::Find(const std::string& mac) {
  const NicState* nic = registry_.FindByMac(mac);
  if (nic == nullptr) return std::nullopt;
  return nic->settings;
}

void SimLoop::BuildPollSet(MonoNs now) {
  pollFds_.clear();
  targets_.clear();
  Add(wake_.get(), {TargetKind::Wake, "", 0, ""});
  if (broadcast_) Add(broadcast_.get(), {TargetKind::Broadcast, "", nic::kAttributePort, ""});
  if (wakeUpWatch_) Add(wakeUpWatch_.get(), {TargetKind::WakeUpWatch, "", 0, ""});
  for (const auto& [ip, endpoint] : registry_.endpoints()) {
    Add(endpoint.attribute.get(), {TargetKind::Datagram, ip, nic::kAttributePort, ""});
    Add(endpoint.command.get(), {TargetKind::Datagram, ip, nic::kCommandPort, ""});
    if (endpoint.printListener) Add(endpoint.printListener.get(), {TargetKind::Listener, ip, 0, ""});
  }
  for (const IpxSocket& socket : ipx_) {
    Add(socket.fd.get(), {TargetKind::Ipx, "", socket.port, socket.mac});
  }
  for (const int fd : jobs_.Readable(now)) Add(fd, {TargetKind::Connection, "", 0, ""});
}

void SimLoop::Add(int fd, Target target) {
  pollFds_.push_back(pollfd{fd, POLLIN, 0});
  targets_.push_back(std::move(target));
}

void SimLoop::Dispatch(const Target& target, int fd) {
  switch (target.kind) {
    case TargetKind::Wake: RunTasks(); break;
    case TargetKind::Datagram: ReceiveDatagram(fd, target.ip, target.port); break;
    case TargetKind::Broadcast: ReceiveBroadcast(fd); break;
    case TargetKind::WakeUpWatch: ReceiveWakeUp(fd); break;
    case TargetKind::Listener: jobs_.Accept(fd, target.ip, *registry_.SinkAt(target.ip)); break;
    case TargetKind::Connection: jobs_.Read(fd, MonotonicNow()); break;
    case TargetKind::Ipx: ReceiveIpx(fd, target.port, target.mac); break;
  }
}

void SimLoop::RunTasks() {
  std::uint64_t count = 0;
  while (::read(wake_.get(), &count, sizeof count) < 0 && errno == EINTR) {
  }
  std::deque<std::packaged_task<void()>> tasks;
  {
    std::lock_guard lock(tasksMutex_);
    tasks.swap(tasks_);
  }
  for (auto& task : tasks) task();
}

void SimLoop::ReceiveDatagram(int fd, const std::string& ip, std::uint16_t port) {
  sockaddr_in from{};
  socklen_t fromLength = sizeof from;
  const ssize_t n = ::recvfrom(fd, datagram_.data(), datagram_.size(), 0,
                               reinterpret_cast<sockaddr*>(&from), &fromLength);
  if (n < 0) return;
  HandleDatagram(registry_, log_, outbox_, ip, port,
                 std::span<const std::uint8_t>(datagram_.data(), static_cast<std::size_t>(n)),
                 tools::PeerOf(from));
}

// Every address hears a broadcast and answers from its own sockets. Answering
// may move a NIC, so the addresses are taken before any of them answers.
void SimLoop::ReceiveBroadcast(int fd) {
  sockaddr_in from{};
  socklen_t fromLength = sizeof from;
  const ssize_t n = ::recvfrom(fd, datagram_.data(), datagram_.size(), 0,
                               reinterpret_cast<sockaddr*>(&from), &fromLength);
  if (n < 0) return;
  std::vector<std::string> addresses;
  for (const auto& [ip, endpoint] : registry_.endpoints()) addresses.push_back(ip);
  const std::span<const std::uint8_t> datagram(datagram_.data(), static_cast<std::size_t>(n));
  for (const std::string& ip : addresses) {
    HandleDatagram(registry_, log_, outbox_, ip, nic::kAttributePort, datagram,
                   tools::PeerOf(from));
  }
}

// A raw datagram is its IP header, the UDP header, then the data. A wake-up
// packet among them is the NIC's its MAC names.
void SimLoop::ReceiveWakeUp(int fd) {
  const ssize_t n = ::recv(fd, datagram_.data(), datagram_.size(), 0);
  if (n < 20) return;
  const std::size_t header = static_cast<std::size_t>(datagram_[0] & 0x0F) * 4;
  constexpr std::size_t kUdpHeader = 8;
  if (static_cast<std::size_t>(n) < header + kUdpHeader) return;
  const std::span<const std::uint8_t> data(datagram_.data() + header + kUdpHeader,
                                           static_cast<std::size_t>(n) - header - kUdpHeader);
  if (ClassifyDatagram(data, 0) != DatagramKind::Wake) return;
  nic::Mac mac{};
  std::copy_n(data.begin() + mac.size(), mac.size(), mac.begin());
  char text[18] = {};
  nic::FormatMacText(mac, text);
  const NicState* nic = registry_.FindByMac(text);
  if (nic == nullptr) return;
  char source[INET_ADDRSTRLEN] = {};
  ::inet_ntop(AF_INET, datagram_.data() + 12, source, sizeof source);
  const auto word = [&](std::size_t at) { return static_cast<std::uint16_t>((datagram_[at] << 8) | datagram_[at + 1]); };
  HandleDatagram(registry_, log_, outbox_, nic->settings.ip, word(header + 2), data, {source, word(header)});
}

void SimLoop::ReceiveIpx(int fd, std::uint16_t port, const std::string& mac) {
  sockaddr_in from{};
  socklen_t fromLength = sizeof from;
  const ssize_t n = ::recvfrom(fd, datagram_.data(), datagram_.size(), 0,
                               reinterpret_cast<sockaddr*>(&from), &fromLength);
  NicState* nic = registry_.FindByMac(mac);
  if (n < 0 || nic == nullptr) return;
  HandleIpxDatagram(registry_, log_, outbox_, *nic, fd, port,
                    std::span<const std::uint8_t>(datagram_.data(), static_cast<std::size_t>(n)),
                    tools::PeerOf(from));
}

std::uint64_t SimLoop::Generation() const { return registry_.generation() + jobs_.generation(); }

// Whichever comes first: a throttled print reader's turn or a slow NIC's reply.
int SimLoop::PollTimeoutMs(MonoNs now) const {
  const int jobs = jobs_.TimeoutMs(now);
  const int replies = outbox_.TimeoutMs(now);
  if (jobs < 0) return replies;
  if (replies < 0) return jobs;
  return std::min(jobs, replies);
}

}  // namespace nicsim
