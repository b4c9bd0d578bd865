#pragma once
// Building and reading the attribute protocol's frames. Over UDP every request
// starts with the sender's own port, high byte first: the NIC answers there.
// Replies carry no such prefix; over IPX requests have none either.

#include <cstdint>
#include <span>
#include <vector>

#include "nicproto/attribute_record.h"
#include "nicproto/extended_text_record.h"
#include "nicproto/frame_kind.h"

namespace nic {

// ProbeRequest (body "probe" and its zero byte; the record is not used) or
// SetRequest (every present attribute). Any other kind gives an empty buffer,
// as does running out of memory.
std::vector<std::uint8_t> BuildAttributeRequest(Transport transport, FrameKind kind,
                                                const AttributeRecord& record,
                                                std::uint16_t replyPort);

// ExtProbeRequest or ExtSetRequest (the one extended item when present).
std::vector<std::uint8_t> BuildAttributeRequest(Transport transport, FrameKind kind,
                                                const ExtendedTextRecord& record,
                                                std::uint16_t replyPort);

// The port monitor's own 7-byte probe: port, "HBM", 0x01, 0x00.
std::vector<std::uint8_t> BuildShortProbeRequest(std::uint16_t replyPort);

// Attribute form: ProbeRequest, ProbeReply, SetRequest or SetReply. On success
// `kind` is set and `record` is reset and filled from the body; a refused frame
// leaves both untouched.
bool ParseAttributeFrame(std::span<const std::uint8_t> frame, FrameKind& kind,
                         AttributeRecord& record);

// Extended form: the four extended kinds.
bool ParseExtendedFrame(std::span<const std::uint8_t> frame, FrameKind& kind,
                        ExtendedTextRecord& record);

// The TLV walk on its own. Decoding stops early at a truncated item or at a
// known tag whose length lies outside its bounds, keeping what came before;
// unknown tags are skipped.
void DecodeAttributes(std::span<const std::uint8_t> body, AttributeRecord& record);
void EncodeAttributes(const AttributeRecord& record, std::vector<std::uint8_t>& out);

}  // namespace nic
