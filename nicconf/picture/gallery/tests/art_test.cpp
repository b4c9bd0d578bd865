// The drawn layers against the recipes: every layer any recipe can ask for
// has its bitmap at the size the recipe gives, every bitmap is a clean
// picture-and-mask pair, and the alarm frame leaves every printer in view.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "nicconf/picture/core/recipes.h"
#include "nicconf/picture/gallery/image.h"

namespace nic::picture {
namespace {

using F = PictureFamily;

struct Reads {
  F family;
  std::vector<int> flags;  // the flags the family's recipe looks at
};

const std::vector<Reads> kReads = {
    {F::kLaser1, {2, 3, 4}},  {F::kLaser2, {2, 3, 4}},           {F::kLaser3, {2, 3}},
    {F::kLaser4, {2, 11}},    {F::kLaser5, {3, 4, 5, 7, 10, 11}}, {F::kLaser6, {3, 5, 6, 10, 11, 13, 14}},
    {F::kLaser7A, {5}},       {F::kLaser7B, {6}},                 {F::kColor1, {}},
    {F::kImpact1, {3}},       {F::kGeneric, {}},
};

constexpr int kPrinterFamilies[] = {-1, 0, 1, 2, 3, 4, 5, 6};

// Calls `visit(layers, code)` for every combination of the flags a family
// reads, every code 0..21 and (generic) every printer family.
template <typename Visit>
void EveryPicture(const Reads& reads, Visit visit) {
  const std::size_t combos = std::size_t(1) << reads.flags.size();
  for (int printerFamily : kPrinterFamilies) {
    if (reads.family != F::kGeneric && printerFamily != 0) continue;
    for (std::size_t combo = 0; combo < combos; ++combo) {
      PictureFlags flags = {};
      for (std::size_t bit = 0; bit < reads.flags.size(); ++bit) {
        if (combo & (std::size_t(1) << bit)) flags[reads.flags[bit]] = 1;
      }
      for (std::uint32_t code = 0; code <= 21; ++code) {
        visit(FamilyLayers(reads.family, printerFamily, flags, code, 0), flags, code, printerFamily);
      }
    }
  }
}

std::optional<Image> Art(const std::string& name) { return ReadBmp(std::string(PICTURE_ART_DIR) + "/" + name + ".bmp"); }

bool MaskClear(const Image& bitmap, int x, int y) { return bitmap.At(bitmap.width / 2 + x, y) == 0xFFFFFF; }

TEST(Art, EveryLayerARecipeCanAskForIsDrawnAtItsSize) {
  std::map<std::string, std::pair<int, int>> sizes;
  for (const Reads& reads : kReads) {
    EveryPicture(reads, [&](const LayerList& layers, const PictureFlags&, std::uint32_t code, int) {
      for (const Layer& l : layers) {
        const auto [it, added] = sizes.emplace(l.name, std::make_pair(l.width, l.height));
        EXPECT_EQ(it->second, std::make_pair(l.width, l.height)) << l.name << " code " << code;
        (void)added;
      }
    });
  }
  EXPECT_GT(sizes.size(), 80u);
  for (const auto& [name, size] : sizes) {
    const std::optional<Image> bitmap = Art(name);
    ASSERT_TRUE(bitmap) << "no bitmap for " << name;
    EXPECT_EQ(bitmap->width, size.first) << name;
    EXPECT_EQ(bitmap->height, size.second) << name;
  }
}

TEST(Art, FlagsAFamilyDoesNotReadChangeNothing) {
  for (const Reads& reads : kReads) {
    EveryPicture(reads, [&](const LayerList& layers, const PictureFlags& flags, std::uint32_t code, int family) {
      PictureFlags more;
      for (int i = 0; i < kPictureFlagCount; ++i) more[i] = flags[i];
      for (int i = 0; i < kPictureFlagCount; ++i) {
        bool read = false;
        for (int f : reads.flags) read = read || f == i;
        if (!read) more[i] = 1;
      }
      EXPECT_EQ(FamilyLayers(reads.family, family, more, code, 0), layers) << FamilyName(reads.family);
    });
  }
}

TEST(Art, EachBitmapIsAPictureAndAClearCutMask) {
  std::set<std::string> names;
  for (const Reads& reads : kReads) {
    EveryPicture(reads, [&](const LayerList& layers, const PictureFlags&, std::uint32_t, int) {
      for (const Layer& l : layers) names.insert(l.name);
    });
  }
  for (const std::string& name : names) {
    const std::optional<Image> bitmap = Art(name);
    ASSERT_TRUE(bitmap) << name;
    const int half = bitmap->width / 2;
    int opaque = 0, unclean = 0;
    for (int y = 0; y < bitmap->height; ++y) {
      for (int x = 0; x < half; ++x) {
        const std::uint32_t mask = bitmap->At(half + x, y);
        if (mask != 0 && mask != 0xFFFFFF) ++unclean;
        if (mask == 0xFFFFFF && bitmap->At(x, y) != 0) ++unclean;  // OR would tint the canvas
        if (mask == 0) ++opaque;
      }
    }
    EXPECT_EQ(unclean, 0) << name;
    EXPECT_GT(opaque, 0) << name << " draws nothing";
  }
  // the normal background covers the whole canvas
  const std::optional<Image> normal = Art("BACKGROUND_C");
  ASSERT_TRUE(normal);
  for (int y = 0; y < kCanvasSize; ++y) {
    for (int x = 0; x < kCanvasSize; ++x) ASSERT_FALSE(MaskClear(*normal, x, y)) << x << ',' << y;
  }
}

// The alarm background is drawn after the printer: it must be a frame that
// leaves every printer, with any options, in view.
TEST(Art, AlarmFrameLeavesEveryPrinterInView) {
  const std::optional<Image> alarm = Art("BACKGROUND_0");
  ASSERT_TRUE(alarm);
  EXPECT_FALSE(MaskClear(*alarm, 2, 100));
  EXPECT_FALSE(MaskClear(*alarm, 100, 197));
  std::map<std::string, Image> cache;
  for (const Reads& reads : kReads) {
    EveryPicture(reads, [&](const LayerList& layers, const PictureFlags&, std::uint32_t code, int) {
      if (code != 1 && code != 17) return;
      for (const Layer& l : layers) {
        const std::string name = l.name;
        if (name.rfind("ICO_", 0) == 0 || name.rfind("BACKGROUND_", 0) == 0) continue;
        auto it = cache.find(name);
        if (it == cache.end()) it = cache.emplace(name, Art(name).value_or(Image{})).first;
        const Image& bitmap = it->second;
        int hidden = 0;
        for (int y = 0; y < std::min(l.height, bitmap.height); ++y) {
          for (int x = 0; x < std::min(l.DrawnWidth(), bitmap.width / 2); ++x) {
            const int cx = l.x + x, cy = l.y + y;
            if (MaskClear(bitmap, x, y)) continue;
            if (cx < 0 || cy < 0 || cx >= kCanvasSize || cy >= kCanvasSize || !MaskClear(*alarm, cx, cy)) ++hidden;
          }
        }
        EXPECT_EQ(hidden, 0) << FamilyName(reads.family) << ' ' << name << " at " << l.x << ',' << l.y;
      }
    });
  }
}

}  // namespace
}  // namespace nic::picture
