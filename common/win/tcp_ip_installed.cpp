#include <winsock2.h>

#include "common/win/tcp_ip_installed.h"

#include <nspapi.h>

#include <cstring>
#include <vector>

#include "common/win/library.h"

namespace {

using EnumProtocolsFunction = INT(WINAPI*)(LPINT, LPVOID, LPDWORD);
constexpr DWORD kProtocolBuffer = 2048;

}  // namespace

bool TcpIpInstalled() {
  Library wsock(LoadLibraryA("WSOCK32.DLL"));
  if (!wsock) return false;
  auto enumProtocols = wsock.Find<EnumProtocolsFunction>("EnumProtocolsA");
  if (enumProtocols == nullptr) return false;
  INT protocols[] = {IPPROTO_TCP, 0};
  std::vector<BYTE> buffer(kProtocolBuffer, 0);
  DWORD size = kProtocolBuffer;
  const INT count = enumProtocols(protocols, buffer.data(), &size);
  if (count <= 0) return false;
  const auto* first = reinterpret_cast<const PROTOCOL_INFOA*>(buffer.data());
  return first->lpProtocol != nullptr && std::strcmp(first->lpProtocol, "TCP/IP") == 0;
}
