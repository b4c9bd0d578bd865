#pragma once
// Windows Sockets started for the owner's life: WSACleanup follows only a
// start that succeeded.

#include <winsock2.h>
#include <windows.h>

class WinsockSession {
 public:
  // `version` as MAKEWORD(major, minor). The start's result is kept: 0, or
  // the error WSAStartup answered.
  explicit WinsockSession(WORD version) noexcept {
    WSADATA data;
    result_ = WSAStartup(version, &data);
    if (result_ == 0) granted_ = data.wVersion;
  }
  ~WinsockSession() {
    if (result_ == 0) WSACleanup();
  }
  WinsockSession(const WinsockSession&) = delete;
  WinsockSession& operator=(const WinsockSession&) = delete;

  int result() const noexcept { return result_; }
  bool started() const noexcept { return result_ == 0; }
  // The version the library granted; 0 when it did not start.
  WORD granted() const noexcept { return granted_; }

 private:
  int result_ = 0;
  WORD granted_ = 0;
};
