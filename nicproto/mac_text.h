#pragma once
// MAC addresses as the system writes them: six upper-case hex pairs with
// colons ("0A:5E:91:69:00:00", 17 characters).

#include <array>
#include <cstddef>
#include <cstdint>

namespace nic {

using Mac = std::array<std::uint8_t, 6>;

inline constexpr std::size_t kMacTextSize = 18;  // 17 characters and the zero

// Six pairs of one or two hex digits separated by ':' and nothing after
// ("0:1:2:3:4:5" is read, "000:11:22:33:44:55" is not).
bool ParseMacText(const char* text, Mac& mac);

// "%02X:%02X:%02X:%02X:%02X:%02X" into a buffer of at least kMacTextSize bytes.
void FormatMacText(const Mac& mac, char* text);

// Equal (0) only when both are 17 characters and their twelve hex digits match
// case-insensitively; separators are not compared. Texts of different length
// give the difference of their lengths.
int CompareMacText(const char* a, const char* b);

}  // namespace nic
