#include "nicconf/picture/core/recipes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "nicconf/picture/core/tests/test_layers.h"

namespace nic::picture {
namespace {

using F = PictureFamily;
using NameList = std::vector<std::string>;

const Layer kBackground{"BACKGROUND_C", 400, 200, 0, 0};
const Layer kErrorIcon{"ICO_ERROR", 100, 50, 10, 10};

LayerList Recipe(F family, const Flags& flags, std::uint32_t code, int printerFamily = 0) {
  return FamilyLayers(family, printerFamily, flags.on, code, 0);
}

bool IsOverlay(const Layer& l) {
  return std::strncmp(l.name, "ICO_", 4) == 0 || std::strcmp(l.name, "BACKGROUND_0") == 0 ||
         std::strstr(l.name, "_ICO_") != nullptr;
}

// The layers between the printer as installed (code 0) and the status icon.
NameList PartsFor(F family, const Flags& flags, std::uint32_t code) {
  const LayerList base = Recipe(family, flags, 0);
  const LayerList all = Recipe(family, flags, code);
  NameList parts;
  for (std::size_t i = base.size(); i < all.size(); ++i) {
    if (!IsOverlay(all[i])) parts.emplace_back(all[i].name);
  }
  return parts;
}

constexpr F kFamilies[] = {F::kLaser1, F::kLaser2,  F::kLaser3,  F::kLaser4, F::kLaser5, F::kLaser6,
                           F::kLaser7A, F::kLaser7B, F::kColor1, F::kImpact1, F::kGeneric};

// --- the fixed geometry --------------------------------------------------------

TEST(Laser1, HoppersFeederAndOpenCoverInOrderAndPlace) {
  const LayerList layers = Laser1Layers(Flags{2, 3, 4}.on, 8, 0);
  const Layer feeder{"P_L1_FEEDER", 128, 42, 124, 101};
  const LayerList expected = {kBackground,
                              {"P_L1_BODY", 190, 82, 70, 70},
                              {"P_L1_HOPPER", 190, 41, 70, 123},
                              {"P_L1_HOPPER", 190, 41, 70, 136},
                              feeder,
                              {"P_L1_COVER", 190, 83, 76, 50},
                              feeder,
                              kErrorIcon};
  EXPECT_EQ(layers, expected);
}

TEST(Laser1, EachHopperHasItsEmptyTray) {
  const Layer icon{"ICO_EMPTY2", 100, 50, 10, 10};
  const std::map<std::uint32_t, Layer> trays = {{5, {"P_L1_EMPTY3", 170, 60, 47, 102}},
                                                {6, {"P_L1_EMPTY2", 170, 55, 39, 123}},
                                                {7, {"P_L1_EMPTY2", 170, 55, 39, 136}}};
  for (const auto& [code, tray] : trays) {
    const LayerList layers = Laser1Layers(Flags{2, 3}.on, code, 0);
    ASSERT_EQ(layers.size(), 6u) << code;
    EXPECT_EQ(layers[4], tray) << code;
    EXPECT_EQ(layers[5], icon) << code;
  }
  // hoppers 4 and 5 have no tray of their own: the icon alone
  for (std::uint32_t code : {19u, 20u}) EXPECT_EQ(PartsFor(F::kLaser1, Flags{2, 3}, code), NameList{}) << code;
  // without the feeder the cover stands alone
  EXPECT_EQ(PartsFor(F::kLaser1, Flags{2}, 8), NameList{"P_L1_COVER"});
}

TEST(Laser2, OwnBodyOnLaser1sChassis) {
  const LayerList one = Laser1Layers(Flags{2, 3, 4}.on, 8, 0);
  LayerList two = Laser2Layers(Flags{2, 3, 4}.on, 8, 0);
  EXPECT_STREQ(two[1].name, "P_L2_BODY");
  two[1] = one[1];
  EXPECT_EQ(two, one);
}

TEST(OnePictureFamilies, FixedBodies) {
  EXPECT_EQ(Color1Layers(Flags{}.on, 0, 0), (LayerList{kBackground, {"P_C1_BODY", 304, 130, 45, 50}}));
  EXPECT_EQ(Impact1Layers(Flags{}.on, 0, 0)[1], (Layer{"P_I1_BODY", 232, 90, 60, 80}));
  // COLOR1 has no option layers whatever the flags say
  PictureFlags all;
  for (auto& f : all) f = 1;
  EXPECT_EQ(Color1Layers(all, 0, 0).size(), 2u);
}

// --- the common overlays -------------------------------------------------------

TEST(Overlays, EveryCodeForEveryFamily) {
  auto toner = [](F f) -> std::string {
    switch (f) {
      case F::kLaser3:
      case F::kGeneric: return "ICO_TONER1";
      case F::kLaser6: return "P_L6_ICO_TONER";
      case F::kLaser7A:
      case F::kLaser7B: return "P_L7A_ICO_TONER";
      default: return "ICO_TONER0";
    }
  };
  for (F family : kFamilies) {
    const bool forms = family == F::kImpact1 || family == F::kGeneric;
    const std::map<std::uint32_t, NameList> expected = {
        {1, {"BACKGROUND_0", "ICO_ERROR"}},
        {2, {"ICO_PRINT0"}},
        {3, {"ICO_EMPTY1"}},
        {4, {"ICO_EMPTY0"}},
        {5, {"ICO_EMPTY2"}},
        {6, {"ICO_EMPTY2"}},
        {7, {forms ? "ICO_EMPTY3" : "ICO_EMPTY2"}},
        {8, {"ICO_ERROR"}},
        {9, {toner(family)}},
        {16, {"ICO_SIZE"}},
        {17, {"BACKGROUND_0", "ICO_CALL"}},
        {18, {"ICO_PJAM"}},
        {19, {forms ? "ICO_EMPTY3" : "ICO_EMPTY2"}},
        {20, {forms ? "ICO_EMPTY3" : "ICO_EMPTY2"}},
    };
    for (std::uint32_t code = 0; code <= 21; ++code) {
      const LayerList layers = Recipe(family, Flags{}, code);
      NameList overlays;
      for (const Layer& l : layers) {
        if (IsOverlay(l)) overlays.emplace_back(l.name);
      }
      const auto it = expected.find(code);
      EXPECT_EQ(overlays, it == expected.end() ? NameList{} : it->second)
          << FamilyName(family) << " code " << code;
      // the overlays come last, over the whole printer
      if (!overlays.empty()) {
        EXPECT_EQ(layers.back().name, overlays.back()) << code;
      }
      for (const Layer& l : layers) {
        if (!IsOverlay(l)) continue;
        const bool background = std::strcmp(l.name, "BACKGROUND_0") == 0;
        EXPECT_EQ(l, (Layer{l.name, background ? 400 : 100, background ? 200 : 50, background ? 0 : 10,
                            background ? 0 : 10}));
      }
    }
  }
}

TEST(Overlays, CodesWithoutAPictureDrawThePrinterAlone) {
  const Flags options{2, 3, 4, 5, 6, 10, 11, 13, 14};
  for (F family : kFamilies) {
    const LayerList ready = Recipe(family, options, 0);
    EXPECT_EQ(ready.front(), kBackground);
    for (std::uint32_t code : {10u, 11u, 12u, 15u, 21u, 100u, 0xFFFFFFFFu}) {
      EXPECT_EQ(Recipe(family, options, code), ready) << FamilyName(family) << " code " << code;
    }
  }
  EXPECT_EQ(Names(Laser1Layers(Flags{}.on, 10, 0)), (NameList{"BACKGROUND_C", "P_L1_BODY"}));
}

// --- the family parts a problem adds ---------------------------------------------

TEST(FamilyParts, CoversTonerAndTraysByCode) {
  struct Case {
    F family;
    Flags flags;
    std::uint32_t code;
    NameList parts;
  };
  const std::vector<Case> cases = {
      {F::kLaser1, {}, 18, {}},
      {F::kLaser3, {}, 8, {"P_L3_COVER1", "P_L3_COVER2"}},
      {F::kLaser3, {}, 18, {"P_L3_COVER1", "P_L3_COVER2"}},
      {F::kLaser3, {}, 9, {"P_L3_COVER2"}},
      {F::kLaser3, {}, 4, {"P_L3_FEEDER"}},
      {F::kLaser3, {}, 5, {"P_L3_EMPTY1"}},
      {F::kLaser3, {}, 6, {}},  // no hopper shown
      {F::kLaser3, {2}, 6, {"P_L3_EMPTY1"}},
      {F::kLaser3, {2}, 7, {}},
      {F::kLaser3, {3}, 7, {"P_L3_EMPTY1"}},
      {F::kLaser4, {}, 8, {"P_L4_COVER2"}},
      {F::kLaser4, {11}, 8, {"P_L4_COVER1", "P_L4_COVER2"}},
      {F::kLaser4, {}, 18, {}},
      {F::kLaser4, {}, 4, {"P_L4_EMPTY0"}},
      {F::kLaser4, {}, 6, {"P_L4_EMPTY2"}},
      {F::kLaser6, {}, 8, {"P_L6_COVER_BODY"}},
      {F::kLaser6, {3, 10, 11, 14}, 18,
       {"P_L6_COVER_BODY", "P_L6_COVER_DUPLEX", "P_L6_COVER_HOPPER", "P_L6_COVER_SORTER", "P_L6_COVER_FIN"}},
      {F::kLaser6, {}, 9, {"P_L6_TONER"}},
      {F::kLaser6, {}, 6, {}},
      {F::kLaser6, {3}, 19, {}},
      {F::kLaser6, {3, 5}, 20, {"P_L6_EMPTY5"}},
      {F::kLaser7A, {}, 8, {"P_L7A_COVER_F", "P_L7A_COVER_FN", "P_L7A_COVER_R"}},
      {F::kLaser7B, {}, 18, {"P_L7A_COVER_F", "P_L7A_COVER_FN", "P_L7A_COVER_R"}},
      {F::kLaser7B, {}, 9, {"P_L7A_TONER"}},
      {F::kLaser7A, {}, 6, {"P_L7A_EMPTY3"}},
      {F::kImpact1, {}, 8, {"P_I1_COVER"}},
      {F::kImpact1, {}, 18, {}},
      {F::kColor1, {}, 8, {}},
      {F::kGeneric, {}, 8, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PartsFor(c.family, c.flags, c.code), c.parts) << FamilyName(c.family) << " code " << c.code;
  }
}

TEST(FamilyParts, OptionsByTheFlagsEachFamilyReads) {
  EXPECT_EQ(Names(Recipe(F::kLaser3, Flags{3}, 0)), (NameList{"BACKGROUND_C", "P_L3_BODY", "P_L3_HOPPER",
                                                             "P_L3_HOPPER"}));
  EXPECT_EQ(Names(Recipe(F::kLaser6, Flags{3, 5, 6, 10, 11, 13, 14}, 0)),
            (NameList{"BACKGROUND_C", "P_L6_BODY", "P_L6_HOPPER", "P_L6_HOPPER", "P_L6_DUPLEX", "P_L6_SORTER",
                      "P_L6_ENVELOPE", "P_L6_FINISHER", "P_L6_FIN_OPEN"}));
  EXPECT_EQ(Names(Recipe(F::kLaser6, Flags{5, 14}, 0)),
            (NameList{"BACKGROUND_C", "P_L6_BODY", "P_L6_FINISHER", "P_L6_FIN_CLOSE"}));
  // the optional hopper: paper source 5 on LASER7A, 6 on LASER7B
  EXPECT_EQ(Names(Recipe(F::kLaser7A, Flags{5}, 7)),
            (NameList{"BACKGROUND_C", "P_L7A_BODY", "P_L7A_HOPPER", "P_L7A_EMPTY6", "P_L7A_FINISHER",
                      "ICO_EMPTY2"}));
  EXPECT_EQ(Names(Recipe(F::kLaser7A, Flags{6}, 7)),
            (NameList{"BACKGROUND_C", "P_L7A_BODY", "P_L7A_FINISHER", "ICO_EMPTY2"}));
  EXPECT_EQ(Names(Recipe(F::kLaser7B, Flags{6}, 0)),
            (NameList{"BACKGROUND_C", "P_L7B_BODY", "P_L7A_HOPPER", "P_L7A_FINISHER"}));
  EXPECT_EQ(Names(Recipe(F::kImpact1, Flags{3}, 8)),
            (NameList{"BACKGROUND_C", "P_I1_BODY", "P_I1_TRACTER", "P_I1_FEEDER", "P_I1_COVER", "ICO_ERROR"}));
}

// --- LASER4 and LASER5: two sets by flag 11 ------------------------------------------

TEST(Laser4, FlagElevenChoosesTheDuplexSet) {
  const LayerList plain = Recipe(F::kLaser4, Flags{2}, 6);
  const LayerList duplex = Recipe(F::kLaser4, Flags{2, 11}, 6);
  EXPECT_EQ(Names(plain), (NameList{"BACKGROUND_C", "P_L4_BODY0", "P_L4_HOPPER", "P_L4_EMPTY2", "ICO_EMPTY2"}));
  EXPECT_EQ(Names(duplex), (NameList{"BACKGROUND_C", "P_L4_BODY1", "P_L4_HOPPER", "P_L4_EMPTY2", "ICO_EMPTY2"}));
  // the duplex drawer lowers the hopper and its tray alike
  const int drop = duplex[2].y - plain[2].y;
  EXPECT_GT(drop, 0);
  EXPECT_EQ(duplex[3].y - plain[3].y, drop);
  EXPECT_EQ(duplex[2].x, plain[2].x);
}

TEST(Laser5, FlagElevenChoosesTheBodyAndItsDuplexCover) {
  EXPECT_EQ(Names(Recipe(F::kLaser5, Flags{}, 0))[1], "P_L5_BODY0");
  EXPECT_EQ(Names(Recipe(F::kLaser5, Flags{11}, 0))[1], "P_L5_BODY1");
  // the duplex cover right after the body, before the hoppers
  EXPECT_EQ(Names(Recipe(F::kLaser5, Flags{3, 11}, 18)),
            (NameList{"BACKGROUND_C", "P_L5_BODY1", "P_L5_COVER3", "P_L5_HOPPER", "P_L5_COVER0", "ICO_PJAM"}));
  EXPECT_EQ(PartsFor(F::kLaser5, Flags{11}, 9), NameList{});
}

TEST(Laser5, SorterFeederAndTrays) {
  // the open cover takes the sorter with it, and the feeder stays in front
  EXPECT_EQ(Names(Recipe(F::kLaser5, Flags{3, 4, 5, 7}, 8)),
            (NameList{"BACKGROUND_C", "P_L5_BODY0", "P_L5_HOPPER", "P_L5_HOPPER", "P_L5_FEEDER", "P_L5_COVER1",
                      "P_L5_FEEDER", "ICO_ERROR"}));
  EXPECT_EQ(Names(Recipe(F::kLaser5, Flags{10}, 0)), (NameList{"BACKGROUND_C", "P_L5_BODY0", "P_L5_SORTER"}));
  EXPECT_EQ(PartsFor(F::kLaser5, Flags{}, 4), NameList{"P_L5_EMPTY2"});
  EXPECT_EQ(PartsFor(F::kLaser5, Flags{4}, 4), NameList{});
  EXPECT_EQ(PartsFor(F::kLaser5, Flags{}, 7), NameList{});
  EXPECT_EQ(PartsFor(F::kLaser5, Flags{3}, 7), NameList{"P_L5_EMPTY0"});
  EXPECT_EQ(PartsFor(F::kLaser5, Flags{3}, 19), NameList{});
  EXPECT_EQ(PartsFor(F::kLaser5, Flags{5}, 19), NameList{});  // no second hopper without the first
  EXPECT_EQ(PartsFor(F::kLaser5, Flags{3, 5}, 19), NameList{"P_L5_EMPTY1"});
  // the body's two drawers and the first hopper are one tray in three places
  const LayerList first = Recipe(F::kLaser5, Flags{3, 4, 5, 10}, 5);
  const LayerList second = Recipe(F::kLaser5, Flags{3, 4, 5, 10}, 6);
  const LayerList third = Recipe(F::kLaser5, Flags{3, 4, 5, 10}, 7);
  const Layer* a = Find(first, "P_L5_EMPTY0");
  const Layer* b = Find(second, "P_L5_EMPTY0");
  const Layer* c = Find(third, "P_L5_EMPTY0");
  ASSERT_TRUE(a && b && c);
  EXPECT_EQ(b->y - a->y, c->y - b->y);
  EXPECT_GT(b->y, a->y);
}

// --- moving the printer -----------------------------------------------------------------

struct Offset {
  int dx, dy;
  bool operator==(const Offset&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Offset& o) { return out << '(' << o.dx << ',' << o.dy << ')'; }

// How far each layer of `moved` lies from the same layer in `placed`.
std::vector<Offset> Moves(const LayerList& placed, const LayerList& moved) {
  std::vector<Offset> offsets;
  for (const Layer& l : moved) {
    const Layer* p = Find(placed, l.name);
    if (p) offsets.push_back({l.x - p->x, l.y - p->y});
  }
  return offsets;
}

TEST(Laser3, HoppersLiftTheWholePrinterButNotTheBackgroundOrIcons) {
  // Code 5 adds a tray part (moved with the printer) and an icon (not).
  const LayerList alone = Recipe(F::kLaser3, Flags{}, 5);
  const LayerList one = Recipe(F::kLaser3, Flags{2}, 5);
  const LayerList two = Recipe(F::kLaser3, Flags{3}, 5);
  EXPECT_EQ(Moves(alone, one), (std::vector<Offset>{{0, 0}, {0, -16}, {0, -16}, {0, 0}}));
  EXPECT_EQ(Moves(alone, two), (std::vector<Offset>{{0, 0}, {4, -20}, {4, -20}, {0, 0}}));
  EXPECT_EQ(Recipe(F::kLaser3, Flags{2, 3}, 5), two);  // flag 3 decides
  // the hoppers themselves keep their spacing
  const LayerList cover = Recipe(F::kLaser3, Flags{3}, 8);
  EXPECT_EQ(cover[3].y - cover[2].y, two[3].y - two[2].y);
  const LayerList alarm = Recipe(F::kLaser3, Flags{3}, 1);
  EXPECT_EQ(alarm[alarm.size() - 2], (Layer{"BACKGROUND_0", 400, 200, 0, 0}));
  EXPECT_EQ(alarm.back(), kErrorIcon);
}

TEST(Laser5, PlacedForTheFullSetUpAndMovedForFewerParts) {
  const LayerList full = Recipe(F::kLaser5, Flags{3, 4, 5, 10}, 17);
  auto bodyMove = [&](const Flags& flags) {
    const LayerList l = Recipe(F::kLaser5, flags, 17);
    EXPECT_EQ(l.front(), kBackground);
    EXPECT_EQ(l[l.size() - 2], (Layer{"BACKGROUND_0", 400, 200, 0, 0}));
    EXPECT_EQ(l.back(), (Layer{"ICO_CALL", 100, 50, 10, 10}));
    return Offset{l[1].x - full[1].x, l[1].y - full[1].y};
  };
  EXPECT_EQ(bodyMove(Flags{3, 4, 5, 7}), (Offset{0, 0}));  // flag 7 is a sorter too
  EXPECT_EQ(bodyMove(Flags{3, 4, 5}), (Offset{0, -10}));
  EXPECT_EQ(bodyMove(Flags{3, 4, 10}), (Offset{0, 10}));
  EXPECT_EQ(bodyMove(Flags{4, 10}), (Offset{0, 20}));
  EXPECT_EQ(bodyMove(Flags{3, 5, 10}), (Offset{10, 0}));
  EXPECT_EQ(bodyMove(Flags{}), (Offset{10, 20}));
  // every part moves with the body
  const LayerList jam = Recipe(F::kLaser5, Flags{3, 4, 11}, 18);
  const LayerList placed = Recipe(F::kLaser5, Flags{3, 4, 5, 11}, 18);
  for (std::size_t i = 1; i + 1 < jam.size(); ++i) {
    const Layer* p = Find(placed, jam[i].name);
    ASSERT_NE(p, nullptr) << jam[i].name;
    EXPECT_EQ((Offset{jam[i].x - p->x, jam[i].y - p->y}), (Offset{0, 20})) << jam[i].name;  // +10, not -10
  }
}

}  // namespace
}  // namespace nic::picture
