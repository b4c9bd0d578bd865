#include "tools/smtpsink/sink_session.h"

#include <sys/socket.h>

#include <cerrno>

namespace smtpsink {

SinkSession::SinkSession(tools::UniqueFd socket, SessionRecording recording, SinkMode mode)
    : socket_(std::move(socket)), recording_(std::move(recording)), dialogue_(mode) {
  if (mode == SinkMode::kClose) {
    Finish("closed");
    return;
  }
  unsent_ = dialogue_.Greeting();
  Flush();
}

short SinkSession::Wanted() const {
  const short write = unsent_.empty() ? 0 : POLLOUT;
  return recorded_ ? write : static_cast<short>(POLLIN | write);
}

void SinkSession::Handle(short revents, std::span<char> buffer) {
  // An error or hang-up must fail the pending send, or poll would report it
  // for ever.
  if ((revents & (POLLOUT | POLLERR | POLLHUP)) != 0) Flush();
  if (!recorded_ && (revents & (POLLIN | POLLHUP | POLLERR)) != 0) Read(buffer);
  CloseWhenAnswered();
}

void SinkSession::Stop() {
  if (!recorded_) Record("stopped");
  socket_.reset();
}

void SinkSession::Read(std::span<char> buffer) {
  const ssize_t n = ::recv(socket_.get(), buffer.data(), buffer.size(), 0);
  if (n < 0) {
    if (errno != EAGAIN && errno != EINTR) Finish("reset");
    return;
  }
  if (n == 0) {
    Finish("eof");
    return;
  }
  const std::string_view received(buffer.data(), static_cast<std::size_t>(n));
  recording_.Append(received);
  unsent_ += dialogue_.Take(received);
  if (dialogue_.ended()) Record("quit");
  Flush();
}

void SinkSession::Flush() {
  while (!unsent_.empty()) {
    const ssize_t n = ::send(socket_.get(), unsent_.data(), unsent_.size(), MSG_NOSIGNAL);
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
    // A client that has gone reads no more; its end shows on the next read.
    if (n < 0) {
      unsent_.clear();
      return;
    }
    unsent_.erase(0, static_cast<std::size_t>(n));
  }
}

void SinkSession::Record(const char* end) {
  recording_.Commit(end);
  recorded_ = true;
}

// Nothing more goes out: the client has gone, or is not to be answered.
void SinkSession::Finish(const char* end) {
  Record(end);
  socket_.reset();
}

void SinkSession::CloseWhenAnswered() {
  if (recorded_ && unsent_.empty()) socket_.reset();
}

}  // namespace smtpsink
