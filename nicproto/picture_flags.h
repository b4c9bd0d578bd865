#pragma once
// Which paper sources and options the printer picture shows, from what the
// status text says is installed. Each flag is 0 or 1.

#include <cstddef>
#include <cstdint>

#include "nicproto/status_text.h"

namespace nic {

inline constexpr int kPictureFlagCount = 16;

// 0-6 and 13: paper-source entries 0-6 and 7 installed (EXTSTS, then ADVINF);
// 7, 8: option units 0, 1; 9, 10: unit 2 being unit 3 or 4; 14, 15: units 3,
// 4; 11: the ADVINF option byte; 12: the ADVINF2 option bit. Only entries
// within the count a block gives are looked at.
void ComputePictureFlags(const StatusRecord& status, std::uint32_t (&flags)[kPictureFlagCount]);

// The flags of one 4-byte paper-source list alone (0-6 and 13), set on top of
// what `flags` holds.
void MarkPaperSourceFlags(const PaperSourceEntry* entries, std::size_t count,
                          std::uint32_t (&flags)[kPictureFlagCount]);

}  // namespace nic
