// Nothing the mail sender's work throws reaches its caller: the call ends
// with 0 (the mail did not go) and the thread's last error says why.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "alertmail/notice_sender.h"
#include "common/win/testing/last_error.h"

namespace alertmail {
namespace {

MailSettings BrokenSettings(void*) { throw std::runtime_error("broken registry"); }
void Keep(void* context, const std::string& entry) {
  static_cast<std::vector<std::string>*>(context)->push_back(entry);
}

TEST(SendNoticeGuard, AThrowingSeamEndsTheCallWithZeroAndTheReason) {
  std::vector<std::string> log;
  const SenderCalls calls{&log, BrokenSettings, Keep};
  DavNoticeRequest request{};
  testkit::PresetLastError();
  EXPECT_EQ(SendNotice("Office", &request, calls), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INTERNAL_ERROR));
}

}  // namespace
}  // namespace alertmail
