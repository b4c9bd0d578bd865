#include "tools/nicsim/print_connection.h"

#include <sys/socket.h>

#include <algorithm>
#include <cerrno>

namespace nicsim {
namespace {

// A throttled reader reads a tenth of a second's worth at a time, so the
// sender sees a steady trickle rather than bursts.
constexpr std::uint32_t kSlicesPerSecond = 10;

}  // namespace

PrintConnection::PrintConnection(tools::UniqueFd socket, tools::UniqueFd file, Event job, const PrintSink& sink)
    : socket_(std::move(socket)), file_(std::move(file)), job_(std::move(job)), sink_(sink) {}

bool PrintConnection::WantsRead(MonoNs now) const {
  return socket_ && !sink_.stopReading && (!resumeAt_ || now >= *resumeAt_);
}

std::optional<MonoNs> PrintConnection::ResumeAt() const {
  if (!socket_ || sink_.stopReading) return std::nullopt;
  return resumeAt_;
}

std::uint64_t PrintConnection::Limit() const {
  if (sink_.resetAfter > 0) return sink_.resetAfter;
  return sink_.closeAfter;
}

std::size_t PrintConnection::Allowance(std::size_t bufferSize) const {
  std::uint64_t allowed = bufferSize;
  if (Limit() > 0) allowed = std::min<std::uint64_t>(allowed, Limit() - job_.size);
  if (sink_.bytesPerSecond > 0) {
    const std::uint32_t slice = std::max<std::uint32_t>(1, sink_.bytesPerSecond / kSlicesPerSecond);
    allowed = std::min<std::uint64_t>(allowed, slice);
  }
  return static_cast<std::size_t>(allowed);
}

bool PrintConnection::Read(MonoNs now, std::span<std::uint8_t> buffer) {
  if (EndAtLimit()) return false;
  const ssize_t n = ::recv(socket_.get(), buffer.data(), Allowance(buffer.size()), 0);
  if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return true;
  if (n <= 0 || !Store(buffer.first(static_cast<std::size_t>(n)))) {
    socket_.reset();
    return false;
  }
  if (sink_.bytesPerSecond > 0) {
    resumeAt_ = now + static_cast<MonoNs>(n) * kNsPerSecond / sink_.bytesPerSecond;
  }
  return !EndAtLimit();
}

bool PrintConnection::Store(std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(file_.get(), bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    job_.size += static_cast<std::uint64_t>(n);
    bytes = bytes.subspan(static_cast<std::size_t>(n));
  }
  return true;
}

// At the reset limit the connection is dropped with a reset (linger 0); at
// the close limit the printer first says it has finished (FIN), as a real
// one does when it stops taking data; what the sender still pushes after
// that is refused.
bool PrintConnection::EndAtLimit() {
  if (Limit() == 0 || job_.size < Limit()) return false;
  if (sink_.resetAfter > 0) {
    const linger hard{1, 0};
    ::setsockopt(socket_.get(), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
  } else {
    ::shutdown(socket_.get(), SHUT_WR);
  }
  socket_.reset();
  return true;
}

Event PrintConnection::Finish() {
  socket_.reset();
  file_.reset();
  return job_;
}

}  // namespace nicsim
