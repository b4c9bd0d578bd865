#include "tools/smtpsink/sink_loop.h"

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "tools/shared/loopback_socket.h"

namespace smtpsink {
namespace {

// Large reads keep a benchmark's long messages cheap.
constexpr std::size_t kReadChunk = 1 << 16;
constexpr std::size_t kFixedFds = 2;  // stop, listener

std::string PeerText(const sockaddr_in& address) {
  const tools::Peer peer = tools::PeerOf(address);
  return peer.ip + ":" + std::to_string(peer.port);
}

}  // namespace

SinkLoop::SinkLoop(tools::UniqueFd listener, tools::UniqueFd stop, SinkMode mode,
                   RecordFolder& folder)
    : listener_(std::move(listener)),
      stop_(std::move(stop)),
      mode_(mode),
      folder_(folder),
      buffer_(kReadChunk) {}

void SinkLoop::Run() {
  while (true) {
    std::vector<pollfd> fds = PollList();
    if (::poll(fds.data(), fds.size(), -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (fds[0].revents != 0) break;
    Serve(fds);
  }
  for (const auto& session : sessions_) session->Stop();
  sessions_.clear();
}

void SinkLoop::Quit() {
  const std::uint64_t one = 1;
  while (::write(stop_.get(), &one, sizeof one) < 0 && errno == EINTR) {
  }
}

std::vector<pollfd> SinkLoop::PollList() const {
  std::vector<pollfd> fds = {{stop_.get(), POLLIN, 0}, {listener_.get(), POLLIN, 0}};
  for (const auto& session : sessions_) fds.push_back({session->fd(), session->Wanted(), 0});
  return fds;
}

// Sessions first: the poll list still matches them before any is added.
void SinkLoop::Serve(const std::vector<pollfd>& fds) {
  for (std::size_t i = 0; i < sessions_.size(); ++i) {
    const short revents = fds[kFixedFds + i].revents;
    if (revents != 0) sessions_[i]->Handle(revents, buffer_);
  }
  std::erase_if(sessions_, [](const auto& session) { return session->over(); });
  if (fds[1].revents != 0) AcceptAll();
}

void SinkLoop::AcceptAll() {
  while (true) {
    sockaddr_in from{};
    socklen_t length = sizeof from;
    tools::UniqueFd socket(::accept4(listener_.get(), reinterpret_cast<sockaddr*>(&from),
                                      &length, SOCK_NONBLOCK | SOCK_CLOEXEC));
    if (!socket) return;
    SessionRecording recording(folder_, {folder_.NextNumber(), PeerText(from), mode_, "", 0});
    auto session =
        std::make_unique<SinkSession>(std::move(socket), std::move(recording), mode_);
    if (!session->over()) sessions_.push_back(std::move(session));
  }
}

}  // namespace smtpsink
