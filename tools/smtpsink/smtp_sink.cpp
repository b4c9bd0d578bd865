#include "tools/smtpsink/smtp_sink.h"

#include <sys/eventfd.h>
#include <sys/socket.h>

#include "tools/shared/loopback_socket.h"
#include "tools/smtpsink/sink_loop.h"

namespace smtpsink {
namespace {

std::uint16_t LocalPort(int fd) {
  sockaddr_in address{};
  socklen_t length = sizeof address;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  return tools::PeerOf(address).port;
}

}  // namespace

SmtpSink::SmtpSink(SinkSettings settings)
    : settings_(std::move(settings)), folder_(settings_.recordDir) {}

SmtpSink::~SmtpSink() { Stop(); }

bool SmtpSink::Start(std::string* error) {
  if (loop_) return true;
  if (!folder_.Prepare(error)) return false;
  tools::UniqueFd listener = tools::OpenTcpListener(settings_.ip, settings_.port, error);
  if (!listener) return false;
  tools::UniqueFd stop(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC));
  if (!stop) {
    if (error != nullptr) *error = "eventfd failed";
    return false;
  }
  port_ = LocalPort(listener.get());
  loop_ = std::make_unique<SinkLoop>(std::move(listener), std::move(stop), settings_.mode, folder_);
  thread_ = std::thread([loop = loop_.get()] { loop->Run(); });
  return true;
}

void SmtpSink::Stop() {
  if (!loop_) return;
  loop_->Quit();
  thread_.join();
  loop_.reset();
}

bool SmtpSink::WaitForSessions(int count, int timeoutMs) const {
  return folder_.WaitForSessions(count, timeoutMs);
}

}  // namespace smtpsink
