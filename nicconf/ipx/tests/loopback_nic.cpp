#include "nicconf/ipx/tests/loopback_nic.h"

#include <ws2tcpip.h>

#include <memory>

#include "nicproto/attribute_frame.h"
#include "nicproto/frame_kind.h"

namespace nic::ipx::test {

LoopbackNic::LoopbackNic(const netware_standin::Segment& segment,
                         const LoopbackNicSettings& settings)
    : segment_(segment), settings_(settings), name_(settings.answer.name) {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  socket_ = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
  sockaddr_in own{};
  own.sin_family = AF_INET;
  own.sin_port = htons(netware_standin::StationPort(segment_, settings_.station));
  own.sin_addr.s_addr = inet_addr(netware_standin::StationIp(settings_.station).c_str());
  if (socket_ != INVALID_SOCKET &&
      bind(socket_, reinterpret_cast<const sockaddr*>(&own), sizeof own) != 0) {
    closesocket(socket_);
    socket_ = INVALID_SOCKET;
  }
  if (socket_ != INVALID_SOCKET) thread_ = std::thread(&LoopbackNic::Run, this);
}

LoopbackNic::~LoopbackNic() {
  stop_.store(true);
  if (thread_.joinable()) thread_.join();
  if (socket_ != INVALID_SOCKET) closesocket(socket_);
  WSACleanup();
}

std::string LoopbackNic::lastName() const {
  std::lock_guard<std::mutex> hold(nameLock_);
  return name_;
}

void LoopbackNic::Run() {
  std::uint8_t buffer[2048];
  while (!stop_.load()) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(socket_, &readable);
    timeval wait{0, 20000};
    if (select(0, &readable, nullptr, nullptr, &wait) <= 0) continue;
    const int length = recv(socket_, reinterpret_cast<char*>(buffer), sizeof buffer, 0);
    if (length <= 0) continue;
    netware_standin::Station from{};
    std::uint8_t socket[2];
    std::span<const std::uint8_t> request;
    if (netware_standin::Unwrap({buffer, static_cast<std::size_t>(length)}, from, socket, request)) {
      Answer(from, request);
    }
  }
}

void LoopbackNic::Answer(const netware_standin::Station& to,
                         std::span<const std::uint8_t> request) {
  const std::string name = lastName();
  NicAnswer answer = settings_.answer;
  answer.name = name.c_str();
  const FrameKind extended = ClassifyExtendedHeader(request);
  if (extended == FrameKind::ExtProbeRequest || extended == FrameKind::ExtSetRequest) {
    if (extended == FrameKind::ExtSetRequest) {
      ++extSets_;
      Send(to, {'h', 'b', 'm', 0x07});
      return;
    }
    ExtendedTextRecord record;
    SetExtendedText(record, settings_.extendedText.c_str());
    auto reply = BuildAttributeRequest(Transport::Ipx, FrameKind::ExtSetRequest, record, 0);
    reply[0] = 'h';
    reply[1] = 'b';
    reply[2] = 'm';
    reply[3] = 0x06;
    Send(to, reply);
    return;
  }
  auto written = std::make_unique<AttributeRecord>();
  FrameKind kind{};
  if (!ParseAttributeFrame(request, kind, *written)) return;
  if (kind == FrameKind::ProbeRequest) {
    ++probes_;
    Send(to, ProbeReply(answer));
    Send(to, StatusDatagram("MFG:NRV;MDL:LP-1;" + ExtStatus(0, {1, 1})));
  } else if (kind == FrameKind::SetRequest) {
    ++sets_;
    char writtenName[kAttributeValueSize + 1] = {};
    if (GetTextAttribute(*written, tag::kName, writtenName, sizeof writtenName)) {
      std::lock_guard<std::mutex> hold(nameLock_);
      name_ = writtenName;
    }
    std::vector<std::uint8_t> reply = ProbeReply(answer);
    reply[0] = 'c';
    reply[1] = 'f';
    reply[2] = 'm';
    Send(to, reply);
  }
}

void LoopbackNic::Send(const netware_standin::Station& to,
                       const std::vector<std::uint8_t>& data) {
  const auto envelope = netware_standin::Wrap(settings_.station, kNicSocket, data);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(netware_standin::StationPort(segment_, to));
  address.sin_addr.s_addr = inet_addr(netware_standin::StationIp(to).c_str());
  for (int i = 0; i < (settings_.answersTwice ? 2 : 1); ++i) {
    sendto(socket_, reinterpret_cast<const char*>(envelope.data()), static_cast<int>(envelope.size()),
           0, reinterpret_cast<const sockaddr*>(&address), sizeof address);
  }
}

}  // namespace nic::ipx::test
