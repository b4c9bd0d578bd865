#pragma once
// Reading the attributes the monitor needs out of a received hbm reply: the
// reply is found by its "hbm" and its TLVs walked from the byte after it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace portmon {

// The value bytes of the first TLV with `tag`, or nothing when the reply
// does not hold it (or its length runs past the received bytes).
std::optional<std::span<const std::uint8_t>> FindReplyAttribute(
    std::span<const std::uint8_t> received, std::uint8_t tag);

}  // namespace portmon
