#pragma once
// The printer models whose pictures are built in, and the picture family each
// one is drawn with. Any other model gets the generic family, whose body
// follows the printer family the status reports.

#include <span>
#include <string_view>

namespace nic::picture {

enum class PictureFamily {
  kLaser1,
  kLaser2,
  kLaser3,
  kLaser4,
  kLaser5,
  kLaser6,
  kLaser7A,
  kLaser7B,
  kColor1,
  kImpact1,
  kGeneric,
};

struct ModelEntry {
  const char* name;  // as the NIC's status text names it (MDL)
  PictureFamily family;
};

std::span<const ModelEntry> ModelTable();

// Exact, case-sensitive comparison; kGeneric when the model is not listed.
PictureFamily FamilyOfModel(std::string_view model);

// "LASER1" ... "IMPACT1", "GENERIC".
const char* FamilyName(PictureFamily family);

}  // namespace nic::picture
