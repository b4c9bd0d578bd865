#include "nicproto/password.h"

namespace nic {
namespace {
constexpr std::uint8_t kChainStart = 0x6B;
}

void ScramblePassword(const std::uint8_t* plain, std::uint8_t* scrambled) {
  std::uint8_t chain = kChainStart;
  for (std::size_t i = 0; i < kPasswordLength; ++i) {
    scrambled[i] = static_cast<std::uint8_t>(plain[i] ^ chain);
    chain = scrambled[i];
  }
  scrambled[kPasswordLength] = 0;
}

void UnscramblePassword(const std::uint8_t* scrambled, std::uint8_t* plain) {
  std::uint8_t chain = kChainStart;
  for (std::size_t i = 0; i < kPasswordLength; ++i) {
    plain[i] = static_cast<std::uint8_t>(scrambled[i] ^ chain);
    chain = scrambled[i];
  }
}

}  // namespace nic
