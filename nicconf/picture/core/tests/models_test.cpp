#include "nicconf/picture/core/models.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "nicconf/picture/core/recipes.h"
#include "nicconf/picture/core/tests/test_layers.h"

namespace nic::picture {
namespace {

using F = PictureFamily;

TEST(ModelTable, TwentySevenDistinctModelsSpreadOverTheFamilies) {
  ASSERT_EQ(ModelTable().size(), 27u);
  std::set<std::string> names;
  std::map<F, int> count;
  for (const ModelEntry& entry : ModelTable()) {
    EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
    EXPECT_EQ(FamilyOfModel(entry.name), entry.family) << entry.name;
    ++count[entry.family];
  }
  const std::map<F, int> expected = {{F::kLaser1, 7}, {F::kLaser2, 1},  {F::kLaser3, 8},  {F::kLaser4, 1},
                                     {F::kLaser5, 2}, {F::kLaser6, 1},  {F::kLaser7A, 1}, {F::kLaser7B, 1},
                                     {F::kColor1, 1}, {F::kImpact1, 4}};
  EXPECT_EQ(count, expected);
}

TEST(ModelTable, NamesCompareExactly) {
  EXPECT_EQ(FamilyOfModel("LP-9800C"), F::kColor1);
  EXPECT_EQ(FamilyOfModel("LP-8800"), F::kLaser1);
  for (const char* other : {"lp-8800", "LP-8800 ", " LP-8800", "LP-880", "LP-88000", "LP-9800", ""}) {
    EXPECT_EQ(FamilyOfModel(other), F::kGeneric) << '"' << other << '"';
  }
  // A name as it lies in the status record, zero bytes after it, is the
  // caller's to cut at the first zero; the bytes themselves never match.
  EXPECT_EQ(FamilyOfModel(std::string_view("LP-8800\0\0", 9)), F::kGeneric);
}

TEST(LayersFor, PicksTheRecipeByModelName) {
  const Flags none{};
  EXPECT_EQ(Names(LayersFor("LP-9800C", 0, none.on, 0, 0)),
            (std::vector<std::string>{"BACKGROUND_C", "P_C1_BODY"}));
  EXPECT_EQ(Names(LayersFor("VP-5000", 2, none.on, 0, 0))[1], "P_I1_BODY");
  EXPECT_EQ(Names(LayersFor("LP-8900", 0, none.on, 0, 0))[1], "P_L2_BODY");
}

TEST(LayersFor, AModelOutsideTheTableGetsTheGenericBodyOfItsPrinterFamily) {
  const Flags options{2, 3, 4, 11};  // ignored by the generic family
  const std::map<int, std::string> bodies = {{2, "P_UNKNOWN_BODY2_2"}, {3, "P_UNKNOWN_BODY3_2"},
                                             {0, "P_UNKNOWN_BODY0_2"}, {1, "P_UNKNOWN_BODY0_2"},
                                             {6, "P_UNKNOWN_BODY0_2"}, {-1, "P_UNKNOWN_BODY0_2"}};
  for (const auto& [family, body] : bodies) {
    EXPECT_EQ(Names(LayersFor("XP-1", family, options.on, 0, 0)),
              (std::vector<std::string>{"BACKGROUND_C", body}))
        << family;
  }
  // the impact bodies with the generic family's icons
  EXPECT_EQ(Names(LayersFor("XP-1", 2, options.on, 19, 0)).back(), "ICO_EMPTY3");
  EXPECT_EQ(Names(LayersFor("XP-1", 0, options.on, 9, 0)).back(), "ICO_TONER1");
}

}  // namespace
}  // namespace nic::picture
