#include "nicconf/picture/core/models.h"

#include <iterator>

namespace nic::picture {
namespace {

using F = PictureFamily;

constexpr ModelEntry kModels[] = {
    {"LP-8000", F::kLaser1},  {"LP-8200", F::kLaser1},   {"LP-8300", F::kLaser1},
    {"LP-8400", F::kLaser1},  {"LP-8500", F::kLaser1},   {"LP-8600", F::kLaser1},
    {"LP-8800", F::kLaser1},  {"LP-8900", F::kLaser2},   {"LP-1200", F::kLaser3},
    {"LP-1400", F::kLaser3},  {"LP-1500", F::kLaser3},   {"LP-1600", F::kLaser3},
    {"LP-1700", F::kLaser3},  {"LP-1800", F::kLaser3},   {"LP-2000", F::kLaser3},
    {"LP-2200", F::kLaser3},  {"LP-2400", F::kLaser4},   {"LP-9000", F::kLaser5},
    {"LP-9200", F::kLaser5},  {"LP-9600", F::kLaser6},   {"LP-9500", F::kLaser7A},
    {"LP-9500N", F::kLaser7B}, {"LP-9800C", F::kColor1}, {"VP-5000", F::kImpact1},
    {"VP-5100", F::kImpact1}, {"VP-6000", F::kImpact1},  {"VP-6200", F::kImpact1},
};

}  // namespace

std::span<const ModelEntry> ModelTable() { return kModels; }

PictureFamily FamilyOfModel(std::string_view model) {
  for (const ModelEntry& entry : kModels) {
    if (model == entry.name) return entry.family;
  }
  return F::kGeneric;
}

const char* FamilyName(PictureFamily family) {
  switch (family) {
    case F::kLaser1: return "LASER1";
    case F::kLaser2: return "LASER2";
    case F::kLaser3: return "LASER3";
    case F::kLaser4: return "LASER4";
    case F::kLaser5: return "LASER5";
    case F::kLaser6: return "LASER6";
    case F::kLaser7A: return "LASER7A";
    case F::kLaser7B: return "LASER7B";
    case F::kColor1: return "COLOR1";
    case F::kImpact1: return "IMPACT1";
    case F::kGeneric: break;
  }
  return "GENERIC";
}

}  // namespace nic::picture
