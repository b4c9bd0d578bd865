// The service frame's pieces that need no service manager: the console's
// error text, the sequence of status reports, the test-mail event's
// descriptor, and the service entry's guard.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <string>

#include "agent/maintsvc/error_text.h"
#include "agent/maintsvc/service_entry.h"
#include "agent/maintsvc/status_report.h"
#include "agent/maintsvc/test_mail_event.h"
#include "common/win/testing/last_error.h"

namespace {

using maintsvc::FormatErrorText;

TEST(ErrorTextTest, LineEndCutAndNumberInHexOnlyWhenItFits) {
  EXPECT_EQ(FormatErrorText("Access is denied.\r\n", 5), "Access is denied. (0x5)");
  EXPECT_EQ(FormatErrorText("x\r\n", 0x431), "x (0x431)");
  EXPECT_EQ(FormatErrorText("", 5), "");
  EXPECT_EQ(FormatErrorText(std::string(242, 'a'), 5), std::string(240, 'a') + " (0x5)");
  EXPECT_EQ(FormatErrorText(std::string(243, 'a'), 5), "");
}

TEST(ErrorTextTest, LastErrorUsesTheSystemText) {
  SetLastError(ERROR_SERVICE_DOES_NOT_EXIST);
  const std::string text = maintsvc::LastErrorText();
  EXPECT_GT(text.size(), 8u);
  EXPECT_EQ(text.substr(text.size() - 8), " (0x424)");
  EXPECT_EQ(text.find('\n'), std::string::npos);
  SetLastError(0x2000FFFF);  // no system text
  EXPECT_EQ(maintsvc::LastErrorText(), "");
}

TEST(StatusSequenceTest, CheckPointsCountOnOutsideSettledStatesAndStopIsAcceptedAfterStart) {
  maintsvc::StatusSequence sequence;
  struct Expected {
    DWORD state, checkPoint, accepted;
  };
  const Expected steps[] = {
      {SERVICE_START_PENDING, 1, 0},           {SERVICE_START_PENDING, 2, 0},
      {SERVICE_RUNNING, 0, SERVICE_ACCEPT_STOP}, {SERVICE_RUNNING, 0, SERVICE_ACCEPT_STOP},
      {SERVICE_STOP_PENDING, 3, SERVICE_ACCEPT_STOP}, {SERVICE_STOPPED, 0, SERVICE_ACCEPT_STOP},
      {SERVICE_STOP_PENDING, 4, SERVICE_ACCEPT_STOP},
  };
  for (const Expected& step : steps) {
    const SERVICE_STATUS status = sequence.Next(step.state, 7, 3000);
    EXPECT_EQ(status.dwServiceType, static_cast<DWORD>(SERVICE_WIN32_OWN_PROCESS));
    EXPECT_EQ(status.dwCurrentState, step.state);
    EXPECT_EQ(status.dwCheckPoint, step.checkPoint) << step.state;
    EXPECT_EQ(status.dwControlsAccepted, step.accepted) << step.state;
    EXPECT_EQ(status.dwWin32ExitCode, 7u);
    EXPECT_EQ(status.dwServiceSpecificExitCode, 0u);
    EXPECT_EQ(status.dwWaitHint, 3000u);
    EXPECT_EQ(sequence.state(), step.state);
  }
}

TEST(TestMailSecurityTest, SelfRelativeWorldMayDoAllWorldGroupNoOwner) {
  std::vector<BYTE> descriptor = maintsvc::TestMailSecurity();
  ASSERT_FALSE(descriptor.empty());
  PSECURITY_DESCRIPTOR sd = descriptor.data();
  ASSERT_TRUE(IsValidSecurityDescriptor(sd));
  SECURITY_DESCRIPTOR_CONTROL control = 0;
  DWORD revision = 0;
  ASSERT_TRUE(GetSecurityDescriptorControl(sd, &control, &revision));
  EXPECT_TRUE(control & SE_SELF_RELATIVE);

  BYTE world[SECURITY_MAX_SID_SIZE];
  DWORD worldSize = sizeof world;
  ASSERT_TRUE(CreateWellKnownSid(WinWorldSid, nullptr, world, &worldSize));
  PSID owner = nullptr, group = nullptr;
  BOOL defaulted = TRUE;
  ASSERT_TRUE(GetSecurityDescriptorOwner(sd, &owner, &defaulted));
  EXPECT_EQ(owner, nullptr);
  ASSERT_TRUE(GetSecurityDescriptorGroup(sd, &group, &defaulted));
  ASSERT_NE(group, nullptr);
  EXPECT_TRUE(EqualSid(group, world));

  BOOL present = FALSE;
  ACL* dacl = nullptr;
  ASSERT_TRUE(GetSecurityDescriptorDacl(sd, &present, &dacl, &defaulted));
  ASSERT_TRUE(present);
  ASSERT_NE(dacl, nullptr);
  ASSERT_EQ(dacl->AceCount, 1);
  void* ace = nullptr;
  ASSERT_TRUE(GetAce(dacl, 0, &ace));
  const auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
  EXPECT_EQ(allowed->Header.AceType, ACCESS_ALLOWED_ACE_TYPE);
  EXPECT_EQ(allowed->Mask, static_cast<DWORD>(GENERIC_ALL));
  EXPECT_TRUE(EqualSid(const_cast<DWORD*>(&allowed->SidStart), world));
}

TEST(TestMailSecurityTest, EventIsNamedManualResetAndUnsignalled) {
  const KernelHandle created = maintsvc::CreateTestMailEvent();
  ASSERT_TRUE(created);
  const KernelHandle opened(OpenEventA(EVENT_MODIFY_STATE | SYNCHRONIZE, FALSE, "DAV_TEST_MAIL"));
  ASSERT_TRUE(opened);
  EXPECT_EQ(WaitForSingleObject(created.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
  SetEvent(opened.get());
  EXPECT_EQ(WaitForSingleObject(created.get(), 0), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(created.get(), 0), WAIT_OBJECT_0);  // stays set until reset
}

}  // namespace

namespace {

SERVICE_STATUS_HANDLE BrokenManager(void*, const char*, LPHANDLER_FUNCTION) {
  throw std::runtime_error("service manager gone");
}

TEST(ServiceEntryGuard, AThrowingSeamEndsTheEntryWithTheReason) {
  testkit::PresetLastError();
  maintsvc::RunService({nullptr, BrokenManager});
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INTERNAL_ERROR));
}

}  // namespace
