#include "nicproto/exn_notice.h"

namespace nic {

ExnNotice BuildExnNotice(std::uint16_t replyPort, std::uint16_t printLinkPort) {
  return {static_cast<std::uint8_t>(replyPort >> 8),
          static_cast<std::uint8_t>(replyPort),
          'E', 'X', 'N', 0x02, 0x00, 0x01, 0x01, 0x01, 0x02,
          static_cast<std::uint8_t>(printLinkPort >> 8),
          static_cast<std::uint8_t>(printLinkPort)};
}

}  // namespace nic
