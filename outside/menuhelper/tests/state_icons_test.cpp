// GetIcon: two sizes for every state the folder's items carry, a picture of
// its own for each state, the unknown state's for anything else.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "common/win/gdi.h"
#include "outside/menuhelper/tests/menuhelper_library.h"

namespace {

constexpr const char* kTags[] = {"<STATE_READY>",       "<STATE_PRINTING>", "<STATE_ALARM>",
                                 "<STATE_OFFLINE>",     "<STATE_NO_RESPONSE>", "<STATE_UNKNOWN>",
                                 "<STATE_NO_SENDING>"};

using Pixels = std::vector<std::uint32_t>;

SIZE SizeOf(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return {};
  const Bitmap colour(info.hbmColor), mask(info.hbmMask);
  BITMAP bitmap{};
  GetObjectA(colour ? colour.get() : mask.get(), sizeof bitmap, &bitmap);
  return {bitmap.bmWidth, colour ? bitmap.bmHeight : bitmap.bmHeight / 2};
}

// The icon drawn on white, as the folder's list would show it.
Pixels Drawn(HICON icon, int size) {
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = size;
  format.bmiHeader.biHeight = -size;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const Bitmap canvas(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  const DeviceContext dc(CreateCompatibleDC(nullptr));
  if (!canvas || !dc) return {};
  const Selection selected(dc.get(), canvas.get());
  PatBlt(dc.get(), 0, 0, size, size, WHITENESS);
  DrawIconEx(dc.get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  return Pixels(first, first + size * size);
}

struct StateIcons {
  Icon large, small_;
  bool made = false;
};

class StateIconsTest : public MenuHelperTest {
 protected:
  StateIcons Get(const char* tag, const char* model = "LP-9800C") {
    StateIcons icons;
    icons.made = helper_.getIcon(model, tag, icons.large.out(), icons.small_.out()) != FALSE;
    return icons;
  }
};

TEST_F(StateIconsTest, EveryStateHasALargeAndASmallIcon) {
  for (const char* tag : kTags) {
    SCOPED_TRACE(tag);
    const StateIcons icons = Get(tag);
    ASSERT_TRUE(icons.made);
    ASSERT_TRUE(icons.large);
    ASSERT_TRUE(icons.small_);
    EXPECT_EQ(SizeOf(icons.large.get()).cx, 32);
    EXPECT_EQ(SizeOf(icons.large.get()).cy, 32);
    EXPECT_EQ(SizeOf(icons.small_.get()).cx, 16);
    EXPECT_EQ(SizeOf(icons.small_.get()).cy, 16);
  }
}

TEST_F(StateIconsTest, EachStateLooksDifferentAtBothSizes) {
  std::vector<Pixels> large, small_;
  for (const char* tag : kTags) {
    const StateIcons icons = Get(tag);
    large.push_back(Drawn(icons.large.get(), 32));
    small_.push_back(Drawn(icons.small_.get(), 16));
    ASSERT_EQ(small_.back().size(), 256u);
    EXPECT_NE(small_.back(), Pixels(256, small_.back()[0])) << tag << " draws nothing";
  }
  for (std::size_t a = 0; a < large.size(); ++a) {
    for (std::size_t b = a + 1; b < large.size(); ++b) {
      EXPECT_NE(large[a], large[b]) << kTags[a] << " and " << kTags[b] << " at 32";
      EXPECT_NE(small_[a], small_[b]) << kTags[a] << " and " << kTags[b] << " at 16";
    }
  }
}

TEST_F(StateIconsTest, AnyOtherTagGivesTheUnknownStatesIcon) {
  const Pixels unknown = Drawn(Get("<STATE_UNKNOWN>").small_.get(), 16);
  for (const char* tag : {"<STATE_BUSY>", "<state_ready>", "", "-----"}) {
    EXPECT_EQ(Drawn(Get(tag).small_.get(), 16), unknown) << tag;
  }
  EXPECT_EQ(Drawn(Get(nullptr, nullptr).small_.get(), 16), unknown);
}

TEST_F(StateIconsTest, OnlyTheIconsAskedForAreMade) {
  Icon large;
  EXPECT_TRUE(helper_.getIcon("LP-9800C", "<STATE_READY>", large.out(), nullptr));
  EXPECT_EQ(SizeOf(large.get()).cx, 32);
  Icon small_;
  EXPECT_TRUE(helper_.getIcon("LP-9800C", "<STATE_READY>", nullptr, small_.out()));
  EXPECT_EQ(SizeOf(small_.get()).cx, 16);
}

}  // namespace
