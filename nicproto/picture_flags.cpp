#include "nicproto/picture_flags.h"

#include <algorithm>
#include <iterator>

namespace nic {
namespace {

constexpr std::uint8_t kSourceInstalled = 1;
constexpr std::uint8_t kUnitInstalled = 2;

// Picture flag of each paper-source entry 0..7.
constexpr int kSourceFlag[kMaxBlockEntries] = {0, 1, 2, 3, 4, 5, 6, 13};

bool UnitInstalled(const AdvancedInfoBlock& adv, std::size_t unit) {
  return unit < std::min<std::size_t>(adv.unitCount, kMaxBlockEntries) &&
         adv.units[unit].bytes[1] == kUnitInstalled;
}

void MarkUnits(const AdvancedInfoBlock& adv, std::uint32_t (&flags)[kPictureFlagCount]) {
  if (UnitInstalled(adv, 0)) flags[7] = 1;
  if (UnitInstalled(adv, 1)) flags[8] = 1;
  if (UnitInstalled(adv, 2) && adv.units[2].bytes[0] == 3) flags[9] = 1;
  if (UnitInstalled(adv, 2) && adv.units[2].bytes[0] == 4) flags[10] = 1;
  if (UnitInstalled(adv, 3)) flags[14] = 1;
  if (UnitInstalled(adv, 4)) flags[15] = 1;
  if (adv.bytes12[4] == 2) flags[11] = 1;
}

}  // namespace

void MarkPaperSourceFlags(const PaperSourceEntry* entries, std::size_t count,
                          std::uint32_t (&flags)[kPictureFlagCount]) {
  for (std::size_t i = 0; i < std::min<std::size_t>(count, kMaxBlockEntries); ++i) {
    if (entries[i].bytes[1] == kSourceInstalled) flags[kSourceFlag[i]] = 1;
  }
}

void ComputePictureFlags(const StatusRecord& status, std::uint32_t (&flags)[kPictureFlagCount]) {
  std::fill(std::begin(flags), std::end(flags), 0u);
  if (status.extStatusValid) {
    MarkPaperSourceFlags(status.extStatus.entries, status.extStatus.entryCount, flags);
  }
  if (status.advInfoValid) {
    MarkPaperSourceFlags(status.advInfo.entries, status.advInfo.entryCount, flags);
    MarkUnits(status.advInfo, flags);
  }
  if (status.advInfo2Valid && (status.advInfo2.byte5 & 0x04) != 0) flags[12] = 1;
}

}  // namespace nic
