#include "agent/maintsvc/test_mail_event.h"

namespace maintsvc {
namespace {

std::vector<BYTE> WorldSid() {
  std::vector<BYTE> sid(SECURITY_MAX_SID_SIZE);
  DWORD size = static_cast<DWORD>(sid.size());
  if (!CreateWellKnownSid(WinWorldSid, nullptr, sid.data(), &size)) return {};
  sid.resize(size);
  return sid;
}

std::vector<BYTE> EveryoneMayDoAll(PSID world) {
  const DWORD size = sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD) + GetLengthSid(world);
  std::vector<BYTE> acl(size);
  auto* list = reinterpret_cast<ACL*>(acl.data());
  if (!InitializeAcl(list, size, ACL_REVISION) ||
      !AddAccessAllowedAce(list, ACL_REVISION, GENERIC_ALL, world)) {
    return {};
  }
  return acl;
}

}  // namespace

std::vector<BYTE> TestMailSecurity() {
  std::vector<BYTE> world = WorldSid();
  if (world.empty()) return {};
  std::vector<BYTE> acl = EveryoneMayDoAll(world.data());
  SECURITY_DESCRIPTOR absolute{};
  if (acl.empty() || !InitializeSecurityDescriptor(&absolute, SECURITY_DESCRIPTOR_REVISION) ||
      !SetSecurityDescriptorDacl(&absolute, TRUE, reinterpret_cast<ACL*>(acl.data()), FALSE) ||
      !SetSecurityDescriptorGroup(&absolute, world.data(), FALSE)) {
    return {};
  }
  DWORD size = 0;
  MakeSelfRelativeSD(&absolute, nullptr, &size);
  std::vector<BYTE> relative(size);
  if (size == 0 || !MakeSelfRelativeSD(&absolute, relative.data(), &size)) return {};
  return relative;
}

KernelHandle CreateTestMailEvent() {
  std::vector<BYTE> descriptor = TestMailSecurity();
  if (descriptor.empty()) return KernelHandle();
  SECURITY_ATTRIBUTES security{sizeof security, descriptor.data(), FALSE};
  return KernelHandle(CreateEventA(&security, TRUE, FALSE, kTestMailEventName));
}

}  // namespace maintsvc
