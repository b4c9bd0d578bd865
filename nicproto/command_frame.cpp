#include "nicproto/command_frame.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "nicproto/status_text.h"

namespace nic {
namespace {

void AppendLength(std::size_t length, std::vector<std::uint8_t>& out) {
  out.push_back(static_cast<std::uint8_t>(length >> 8));
  out.push_back(static_cast<std::uint8_t>(length));
}

std::vector<std::uint8_t> Header(std::uint8_t command, std::uint16_t replyPort) {
  return {static_cast<std::uint8_t>(replyPort >> 8), static_cast<std::uint8_t>(replyPort), 'N', 'C',
          'M', command};
}

void AppendPayload(std::uint8_t command, const CommandSlot& slot, std::vector<std::uint8_t>& out) {
  switch (RequestPayload(command)) {
    case CommandPayload::ConfigItems:
      EncodeConfigItems(slot.configItems, out);
      break;
    case CommandPayload::Text: {
      const std::size_t n = std::min(slot.textLength, kCommandTextSize);
      AppendLength(n, out);
      out.insert(out.end(), slot.text, slot.text + n);
      break;
    }
    case CommandPayload::Mac:
      AppendLength(sizeof slot.mac, out);
      out.insert(out.end(), std::begin(slot.mac), std::end(slot.mac));
      break;
    default:
      break;
  }
}

// The payload after its two-byte length, limited to what arrived.
std::span<const std::uint8_t> LengthPrefixed(std::span<const std::uint8_t> payload) {
  if (payload.size() < 2) return {};
  const std::size_t declared = (std::size_t{payload[0]} << 8) | payload[1];
  return payload.subspan(2, std::min(declared, payload.size() - 2));
}

}  // namespace

std::vector<std::uint8_t> BuildCommandRequest(std::uint8_t command, const CommandSlot& slot,
                                              std::uint16_t replyPort) {
  if (!IsKnownCommand(command)) return {};
  try {
    std::vector<std::uint8_t> out = Header(command, replyPort);
    AppendPayload(command, slot, out);
    return out;
  } catch (const std::bad_alloc&) {
    return {};
  }
}

std::vector<std::uint8_t> BuildEmptyCommandRequest(std::uint8_t command, std::uint16_t replyPort) {
  try {
    std::vector<std::uint8_t> out = Header(command, replyPort);
    AppendLength(0, out);
    return out;
  } catch (const std::bad_alloc&) {
    return {};
  }
}

bool ParseCommandReply(std::span<const std::uint8_t> frame, CommandSlot& slot) {
  if (frame.size() < 4 || std::memcmp(frame.data(), "NAK", 3) != 0) return false;
  const std::uint8_t command = frame[3];
  if (!CommandAwaitsReply(command)) return false;
  const auto payload = frame.subspan(4);
  slot.command = command;
  slot.state = SlotState::Answered;
  switch (ReplyPayload(command)) {
    case CommandPayload::ConfigItems:
      DecodeConfigItems(payload, slot.configItems);
      break;
    case CommandPayload::Text: {
      const auto text = LengthPrefixed(payload);
      const std::size_t n = std::min(text.size(), kCommandTextSize);
      if (n > 0) std::memcpy(slot.text, text.data(), n);
      slot.text[n] = '\0';
      slot.textLength = n;
      break;
    }
    case CommandPayload::StatusText: {
      const auto text = LengthPrefixed(payload);
      ParseStatusText(reinterpret_cast<const char*>(text.data()), text.size(), slot.status);
      break;
    }
    default:
      break;
  }
  return true;
}

}  // namespace nic
