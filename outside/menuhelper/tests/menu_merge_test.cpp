// MergeMenus as the folder's context menu and the browser menu use it: the
// ids moved by the offset, the limit, nested popups, the next free id.
#include <gtest/gtest.h>

#include "common/win/menu.h"
#include "outside/menuhelper/tests/menu_items.h"
#include "outside/menuhelper/tests/menuhelper_library.h"

namespace {

using Ids = std::vector<UINT>;

class MergeMenusTest : public MenuHelperTest {
 protected:
  // The item menu of the folder: 100, separator, 199, a popup {210, 213}.
  void SetUp() override {
    MenuHelperTest::SetUp();
    AddCommand(source_.get(), 100, "ステータス(&S)...");
    AddSeparator(source_.get());
    AddCommand(source_.get(), 199, "削除(&D)");
    HMENU view = AddPopup(source_.get(), "表示(&V)", 0x8080);
    AddCommand(view, 210, "アイコン(&I)");
    AddCommand(view, 213, "詳細(&D)");
    CheckMenuItem(source_.get(), 199, MF_BYCOMMAND | MF_CHECKED);
    AddCommand(target_.get(), 1, "前");
    AddCommand(target_.get(), 2, "後");
  }

  UINT Merge(UINT position, UINT offset, UINT limit, UINT flags = 0) {
    return helper_.mergeMenus(target_.get(), source_.get(), position, offset, limit, flags, 0);
  }

  Menu source_{CreatePopupMenu()};
  Menu target_{CreatePopupMenu()};
};

TEST_F(MergeMenusTest, CopiesEveryItemWithTheOffsetAndGivesTheNextFreeId) {
  EXPECT_EQ(Merge(1, 0x1000, 0x2000), 0x1000u + 213 + 1);

  EXPECT_EQ(IdsOf(target_.get()), (Ids{1, 0x1000 + 100, 0, 0x1000 + 199, 0x8080, 2}));
  EXPECT_EQ(ItemAt(target_.get(), 1).text, "ステータス(&S)...");
  EXPECT_TRUE(ItemAt(target_.get(), 2).separator);
  EXPECT_TRUE(ItemAt(target_.get(), 3).state & MFS_CHECKED);
  const ItemView view = ItemAt(target_.get(), 4);
  EXPECT_EQ(view.text, "表示(&V)");
  ASSERT_NE(view.popup, nullptr);
  EXPECT_EQ(IdsOf(view.popup), (Ids{0x1000 + 210, 0x1000 + 213}));
}

TEST_F(MergeMenusTest, TheMergedPopupIsACopyAndTheSourceStaysAsItWas) {
  Merge(0, 0x1000, 0);
  HMENU sourceView = ItemAt(source_.get(), 3).popup;
  EXPECT_EQ(IdsOf(source_.get()), (Ids{100, 0, 199, 0x8080}));
  EXPECT_EQ(IdsOf(sourceView), (Ids{210, 213}));

  source_.reset();
  HMENU merged = ItemAt(target_.get(), 3).popup;
  ASSERT_TRUE(IsMenu(merged));
  EXPECT_EQ(IdsOf(merged), (Ids{0x1000 + 210, 0x1000 + 213}));
}

TEST_F(MergeMenusTest, LeavesOutIdsThatReachTheLimit) {
  // 0x1000 + 199 reaches the limit: it and the popup's items stay out, the
  // (now empty) popup itself comes along.
  EXPECT_EQ(Merge(2, 0x1000, 0x1000 + 199), 0x1000u + 100 + 1);
  EXPECT_EQ(IdsOf(target_.get()), (Ids{1, 2, 0x1000 + 100, 0, 0x8080}));
  EXPECT_EQ(GetMenuItemCount(ItemAt(target_.get(), 4).popup), 0);
}

TEST_F(MergeMenusTest, IdsBeyondSixteenBitsAreLeftOut) {
  EXPECT_EQ(Merge(0, 0xFFFF - 150, 0), 0xFFFFu - 150 + 100 + 1);
  EXPECT_EQ(IdsOf(target_.get()), (Ids{0xFFFF - 50, 0, 0x8080, 1, 2}));
}

TEST_F(MergeMenusTest, NothingMergedGivesTheOffset) {
  EXPECT_EQ(Merge(0, 0x1000, 0x1000), 0x1000u);  // every id reaches the limit
  const Menu empty(CreatePopupMenu());
  EXPECT_EQ(helper_.mergeMenus(target_.get(), empty.get(), 0, 0x2000, 0, 0, 0), 0x2000u);
  EXPECT_EQ(helper_.mergeMenus(nullptr, source_.get(), 0, 0x3000, 0, 0, 0), 0x3000u);
  EXPECT_EQ(helper_.mergeMenus(target_.get(), target_.get(), 0, 0x3000, 0, 0, 0), 0x3000u);
}

TEST_F(MergeMenusTest, APositionPastTheEndAppends) {
  Merge(0xFFFFFFFF, 0, 0);
  EXPECT_EQ(IdsOf(target_.get()), (Ids{1, 2, 100, 0, 199, 0x8080}));
}

TEST_F(MergeMenusTest, TheSeparatorFlagSeparatesFromWhatComesBefore) {
  Merge(1, 0x1000, 0, MENUHELPER_MERGE_SEPARATOR);
  EXPECT_EQ(IdsOf(target_.get()), (Ids{1, 0, 0x1000 + 100, 0, 0x1000 + 199, 0x8080, 2}));
  EXPECT_TRUE(ItemAt(target_.get(), 1).separator);

  const Menu top(CreatePopupMenu());
  helper_.mergeMenus(top.get(), source_.get(), 0, 0, 0, MENUHELPER_MERGE_SEPARATOR, 0);
  EXPECT_EQ(IdsOf(top.get()), (Ids{100, 0, 199, 0x8080}));
}

}  // namespace
