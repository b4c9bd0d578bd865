#include "nicconf/picture/core/recipes.h"

#include <cstddef>

#include "geometry_table.h"

namespace nic::picture {
namespace {

namespace common = geometry::common;

bool On(const PictureFlags& flags, int index) { return flags[index] != 0; }

bool CoverOrJam(std::uint32_t code) { return code == 8 || code == 18; }

// Moves every layer placed so far except the background.
void MovePrinter(LayerList& layers, int dx, int dy) {
  for (std::size_t i = 1; i < layers.size(); ++i) {
    layers[i].x += dx;
    layers[i].y += dy;
  }
}

LayerList Start(const Layer& body) { return {common::kBackgroundNormal, body}; }

// The status icon (and for errors and service calls the alarm background)
// that every family puts over its printer. The icon for hoppers 3 to 5 and
// the toner icon differ between families.
struct Icons {
  const Layer& laterHopperEmpty;
  const Layer& toner;
};

constexpr Icons kPageIcons{common::kIconTrayEmpty, common::kIconToner};

void AddStatusIcon(LayerList& layers, std::uint32_t code, const Icons& icons) {
  switch (code) {
    case 1:
      layers.push_back(common::kBackgroundAlarm);
      layers.push_back(common::kIconError);
      break;
    case 2: layers.push_back(common::kIconPrinting); break;
    case 3: layers.push_back(common::kIconPaperLow); break;
    case 4: layers.push_back(common::kIconPaperOut); break;
    case 5:
    case 6: layers.push_back(common::kIconTrayEmpty); break;
    case 7:
    case 19:
    case 20: layers.push_back(icons.laterHopperEmpty); break;
    case 8: layers.push_back(common::kIconError); break;
    case 9: layers.push_back(icons.toner); break;
    case 16: layers.push_back(common::kIconPaperSize); break;
    case 17:
      layers.push_back(common::kBackgroundAlarm);
      layers.push_back(common::kIconServiceCall);
      break;
    case 18: layers.push_back(common::kIconPaperJam); break;
    default: break;
  }
}

// LASER1's chassis, which LASER2 shares with a body of its own.
LayerList Laser1Chassis(const Layer& body, const PictureFlags& flags, std::uint32_t code) {
  namespace g = geometry::laser1;
  LayerList layers = Start(body);
  if (On(flags, 2)) layers.push_back(g::kHopper1);
  if (On(flags, 3)) layers.push_back(g::kHopper2);
  if (On(flags, 4)) layers.push_back(g::kFeeder);
  switch (code) {
    case 5: layers.push_back(g::kEmptyHopper1); break;
    case 6: layers.push_back(g::kEmptyHopper2); break;
    case 7: layers.push_back(g::kEmptyHopper3); break;
    case 8:
      layers.push_back(g::kCover);
      // The open cover reaches over the feeder, which stays in front.
      if (On(flags, 4)) layers.push_back(g::kFeeder);
      break;
    default: break;
  }
  AddStatusIcon(layers, code, kPageIcons);
  return layers;
}

// LASER7A and LASER7B: the same parts, a body each, and the optional
// hopper reported as a different paper source.
LayerList Laser7(const Layer& body, bool hopper, std::uint32_t code) {
  namespace g = geometry::laser7a;
  LayerList layers = Start(body);
  if (hopper) layers.push_back(g::kHopper);
  if (hopper && code == 7) layers.push_back(g::kEmpty6);
  layers.push_back(g::kFinisher);
  switch (code) {
    case 4: layers.push_back(g::kEmpty0); break;
    case 5: layers.push_back(g::kEmpty1); break;
    case 6: layers.push_back(g::kEmpty3); break;
    case 9: layers.push_back(g::kToner); break;
    default: break;
  }
  if (CoverOrJam(code)) {
    layers.push_back(g::kCoverF);
    layers.push_back(g::kCoverFn);
    layers.push_back(g::kCoverR);
  }
  AddStatusIcon(layers, code, {common::kIconTrayEmpty, g::kTonerIcon});
  return layers;
}

}  // namespace

LayerList Laser1Layers(const PictureFlags& flags, std::uint32_t code, std::uint32_t) {
  return Laser1Chassis(geometry::laser1::kBody, flags, code);
}

LayerList Laser2Layers(const PictureFlags& flags, std::uint32_t code, std::uint32_t) {
  return Laser1Chassis(geometry::laser2::kBody, flags, code);
}

LayerList Laser3Layers(const PictureFlags& flags, std::uint32_t code, std::uint32_t) {
  namespace g = geometry::laser3;
  const bool hopper = On(flags, 2) || On(flags, 3);
  LayerList layers = Start(g::kBody);
  if (hopper) layers.push_back(g::kHopper1);
  if (On(flags, 3)) layers.push_back(g::kHopper2);
  if (code == 4) layers.push_back(g::kFeeder);
  if (code == 5) layers.push_back(g::kEmptyHopper1);
  if (code == 6 && hopper) layers.push_back(g::kEmptyHopper2);
  if (code == 7 && On(flags, 3)) layers.push_back(g::kEmptyHopper3);
  if (CoverOrJam(code)) {
    layers.push_back(g::kCover1);
    layers.push_back(g::kCover2);
  }
  if (code == 9) layers.push_back(g::kCover2);
  if (On(flags, 3)) {
    MovePrinter(layers, 4, -20);
  } else if (On(flags, 2)) {
    MovePrinter(layers, 0, -16);
  }
  AddStatusIcon(layers, code, {common::kIconTrayEmpty, common::kIconTonerCartridge});
  return layers;
}

LayerList Laser4Layers(const PictureFlags& flags, std::uint32_t code, std::uint32_t) {
  namespace g = geometry::laser4;
  struct Set {
    const Layer& body;
    const Layer& hopper;
    const Layer& empty0;
    const Layer& empty1;
    const Layer& empty2;
  };
  const bool duplex = On(flags, 11);
  const Set set = duplex ? Set{g::kBody1, g::kSet1Hopper, g::kSet1Empty0, g::kSet1Empty1, g::kSet1Empty2}
                         : Set{g::kBody0, g::kSet0Hopper, g::kSet0Empty0, g::kSet0Empty1, g::kSet0Empty2};
  LayerList layers = Start(set.body);
  if (On(flags, 2)) layers.push_back(set.hopper);
  switch (code) {
    case 4: layers.push_back(set.empty0); break;
    case 5: layers.push_back(set.empty1); break;
    case 6: layers.push_back(set.empty2); break;
    case 8:
      if (duplex) layers.push_back(g::kCover1);
      layers.push_back(g::kCover2);
      break;
    default: break;
  }
  AddStatusIcon(layers, code, kPageIcons);
  return layers;
}

LayerList Laser5Layers(const PictureFlags& flags, std::uint32_t code, std::uint32_t) {
  namespace g = geometry::laser5;
  // The duplex unit (flag 11) hangs beside the body, so the two sets differ
  // in the body only.
  const bool duplex = On(flags, 11);
  const bool hopper1 = On(flags, 3);
  const bool hopper2 = hopper1 && On(flags, 5);
  const bool feeder = On(flags, 4);
  const bool sorter = On(flags, 10) || On(flags, 7);
  const bool cover = CoverOrJam(code);
  LayerList layers = Start(duplex ? g::kBody1 : g::kBody0);
  if (duplex && cover) layers.push_back(g::kCover3);
  if (hopper1) layers.push_back(g::kHopper1);
  if (hopper2) layers.push_back(g::kHopper2);
  if (feeder) layers.push_back(g::kFeeder);
  // The open cover lifts the sorter with it.
  if (sorter && !cover) layers.push_back(g::kSorter);
  if (code == 4 && !feeder) layers.push_back(g::kEmptyManual);
  if (code == 5) layers.push_back(g::kEmptyHopper1);
  if (code == 6) layers.push_back(g::kEmptyHopper2);
  if (code == 7 && hopper1) layers.push_back(g::kEmptyHopper3);
  if (cover) {
    layers.push_back(sorter ? g::kCover1 : g::kCover0);
    if (feeder) layers.push_back(g::kFeeder);
  }
  if (code == 19 && hopper2) layers.push_back(g::kEmptyHopper4);
  // Placed for two hoppers, sorter and feeder; fewer parts, moved to the middle.
  const int dy = !hopper1 ? 20 : !hopper2 ? 10 : sorter ? 0 : -10;
  const int dx = feeder ? 0 : 10;
  MovePrinter(layers, dx, dy);
  AddStatusIcon(layers, code, kPageIcons);
  return layers;
}

LayerList Laser6Layers(const PictureFlags& flags, std::uint32_t code, std::uint32_t) {
  namespace g = geometry::laser6;
  // Flag 3: the first two-drawer hopper unit (hoppers 2 and 3); flag 5 with
  // it: the second (hoppers 4 and 5); 6: envelope feeder; 10: sorter; 11:
  // duplex unit; 14: finisher, with 13 its inserter tray unfolded.
  const bool hopper1 = On(flags, 3);
  const bool hopper2 = hopper1 && On(flags, 5);
  const bool duplex = On(flags, 11);
  const bool sorter = On(flags, 10);
  const bool finisher = On(flags, 14);
  LayerList layers = Start(g::kBody);
  if (hopper1) layers.push_back(g::kHopper1);
  if (hopper2) layers.push_back(g::kHopper2);
  if (duplex) layers.push_back(g::kDuplex);
  if (sorter) layers.push_back(g::kSorter);
  if (On(flags, 6)) layers.push_back(g::kEnvelope);
  if (finisher) {
    layers.push_back(g::kFinisher);
    layers.push_back(On(flags, 13) ? g::kFinOpen : g::kFinClose);
  }
  switch (code) {
    case 4: layers.push_back(g::kEmpty0); break;
    case 5: layers.push_back(g::kEmpty1); break;
    case 6: if (hopper1) layers.push_back(g::kEmpty2); break;
    case 7: if (hopper1) layers.push_back(g::kEmpty3); break;
    case 19: if (hopper2) layers.push_back(g::kEmpty4); break;
    case 20: if (hopper2) layers.push_back(g::kEmpty5); break;
    case 9: layers.push_back(g::kToner); break;
    default: break;
  }
  if (CoverOrJam(code)) {
    layers.push_back(g::kCoverBody);
    if (duplex) layers.push_back(g::kCoverDuplex);
    if (hopper1) layers.push_back(g::kCoverHopper);
    if (sorter) layers.push_back(g::kCoverSorter);
    if (finisher) layers.push_back(g::kCoverFin);
  }
  AddStatusIcon(layers, code, {common::kIconTrayEmpty, g::kTonerIcon});
  return layers;
}

LayerList Laser7ALayers(const PictureFlags& flags, std::uint32_t code, std::uint32_t) {
  return Laser7(geometry::laser7a::kBody, On(flags, 5), code);
}

LayerList Laser7BLayers(const PictureFlags& flags, std::uint32_t code, std::uint32_t) {
  return Laser7(geometry::laser7b::kBody, On(flags, 6), code);
}

LayerList Color1Layers(const PictureFlags&, std::uint32_t code, std::uint32_t) {
  LayerList layers = Start(geometry::color1::kBody);
  AddStatusIcon(layers, code, kPageIcons);
  return layers;
}

LayerList Impact1Layers(const PictureFlags& flags, std::uint32_t code, std::uint32_t) {
  namespace g = geometry::impact1;
  LayerList layers = Start(g::kBody);
  layers.push_back(g::kTracter);
  if (On(flags, 3)) layers.push_back(g::kFeeder);
  if (code == 8) layers.push_back(g::kCover);
  AddStatusIcon(layers, code, {common::kIconFormsEmpty, common::kIconToner});
  return layers;
}

LayerList GenericLayers(int printerFamily, const PictureFlags&, std::uint32_t code, std::uint32_t) {
  namespace g = geometry::generic;
  const Layer& body = printerFamily == 2 ? g::kBody2 : printerFamily == 3 ? g::kBody3 : g::kBody0;
  LayerList layers = Start(body);
  AddStatusIcon(layers, code, {common::kIconFormsEmpty, common::kIconTonerCartridge});
  return layers;
}

LayerList FamilyLayers(PictureFamily family, int printerFamily, const PictureFlags& flags,
                       std::uint32_t code, std::uint32_t extra) {
  switch (family) {
    case PictureFamily::kLaser1: return Laser1Layers(flags, code, extra);
    case PictureFamily::kLaser2: return Laser2Layers(flags, code, extra);
    case PictureFamily::kLaser3: return Laser3Layers(flags, code, extra);
    case PictureFamily::kLaser4: return Laser4Layers(flags, code, extra);
    case PictureFamily::kLaser5: return Laser5Layers(flags, code, extra);
    case PictureFamily::kLaser6: return Laser6Layers(flags, code, extra);
    case PictureFamily::kLaser7A: return Laser7ALayers(flags, code, extra);
    case PictureFamily::kLaser7B: return Laser7BLayers(flags, code, extra);
    case PictureFamily::kColor1: return Color1Layers(flags, code, extra);
    case PictureFamily::kImpact1: return Impact1Layers(flags, code, extra);
    case PictureFamily::kGeneric: break;
  }
  return GenericLayers(printerFamily, flags, code, extra);
}

LayerList LayersFor(std::string_view model, int printerFamily, const PictureFlags& flags,
                    std::uint32_t code, std::uint32_t extra) {
  return FamilyLayers(FamilyOfModel(model), printerFamily, flags, code, extra);
}

}  // namespace nic::picture
