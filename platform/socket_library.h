#pragma once
// The socket library started for the owner's life: Windows Sockets 1.1 on
// Windows (the exact version, or it does not count as started), nothing to
// do elsewhere.

#include <memory>

namespace platform {

class SocketLibrary {
 public:
  SocketLibrary();
  ~SocketLibrary();
  SocketLibrary(const SocketLibrary&) = delete;
  SocketLibrary& operator=(const SocketLibrary&) = delete;

  bool started() const { return started_; }

 private:
  struct Session;
  std::unique_ptr<Session> session_;
  bool started_ = false;
};

}  // namespace platform
