#pragma once
// The print-server password travels scrambled: a chain value starting at 0x6B
// is XORed into each of the 32 bytes and then becomes the scrambled byte.

#include <cstddef>
#include <cstdint>

namespace nic {

inline constexpr std::size_t kPasswordLength = 32;

// 32 plain bytes into 32 scrambled bytes and a zero byte (33 in all).
void ScramblePassword(const std::uint8_t* plain, std::uint8_t* scrambled);

// 32 scrambled bytes back into 32 plain bytes.
void UnscramblePassword(const std::uint8_t* scrambled, std::uint8_t* plain);

}  // namespace nic
