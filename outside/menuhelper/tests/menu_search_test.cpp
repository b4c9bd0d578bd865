// The browser menu, its popups found by marker, anchors found by id, and the
// view's merge of its popup at the anchor.
#include <gtest/gtest.h>

#include "common/win/menu.h"
#include "outside/menuhelper/tests/menu_items.h"
#include "outside/menuhelper/tests/menuhelper_library.h"

namespace {

using Ids = std::vector<UINT>;
using CompositeMenuTest = MenuHelperTest;
using FindTest = MenuHelperTest;

TEST_F(CompositeMenuTest, HoldsTheBrowsersPopupsUnderTheirMarkers) {
  const Menu bar(helper_.createCompositeMenu(nullptr));
  ASSERT_TRUE(bar);
  EXPECT_EQ(IdsOf(bar.get()), (Ids{FCIDM_MENU_FILE, FCIDM_MENU_EDIT, FCIDM_MENU_VIEW, FCIDM_MENU_TOOLS,
                                   FCIDM_MENU_HELP}));
  EXPECT_EQ(ItemAt(bar.get(), 2).text, "表示(&V)");
  for (UINT marker : IdsOf(bar.get())) {
    EXPECT_EQ(helper_.findMenu(bar.get(), marker), ItemAt(bar.get(), static_cast<int>(
                                                                  (marker - FCIDM_MENU_FILE) / 0x40)).popup);
  }
  EXPECT_TRUE(helper_.updateViewMenu(helper_.findMenu(bar.get(), FCIDM_MENU_VIEW)));
  EXPECT_FALSE(helper_.updateViewMenu(nullptr));
}

TEST_F(CompositeMenuTest, TheViewMergesItsPopupAtTheAnchor) {
  const Menu bar(helper_.createCompositeMenu(nullptr));
  HMENU view = helper_.findMenu(bar.get(), FCIDM_MENU_VIEW);
  HMENU tools = helper_.findMenu(bar.get(), FCIDM_MENU_TOOLS);
  ASSERT_NE(view, nullptr);
  ASSERT_NE(tools, nullptr);
  EXPECT_EQ(helper_.findPosition(view, FCIDM_MENU_VIEW_SEP_OPTIONS), 0);
  EXPECT_EQ(helper_.findPosition(tools, FCIDM_MENU_TOOLS_SEP_GOTO), 0);

  const Menu ours(CreatePopupMenu());
  AddCommand(ours.get(), 210, "アイコン(&I)");
  AddCommand(ours.get(), 213, "詳細(&D)");
  AddSeparator(ours.get());
  AddCommand(ours.get(), 291, "フォルダオプション(&O)...");
  const int anchor = helper_.findPosition(view, FCIDM_MENU_VIEW_SEP_OPTIONS);
  EXPECT_EQ(helper_.mergeMenus(view, ours.get(), static_cast<UINT>(anchor), 0, 0x7FFF, 0, 0), 292u);
  EXPECT_EQ(IdsOf(view), (Ids{210, 213, 0, 291, FCIDM_MENU_VIEW_SEP_OPTIONS}));
  EXPECT_EQ(helper_.findPosition(view, FCIDM_MENU_VIEW_SEP_OPTIONS), 4);
}

// The importers link the import library: its entries bind to the DLL by name.
TEST_F(CompositeMenuTest, TheImportLibraryBindsToTheSameEntries) {
  const Menu bar(::CreateCompositeMenu(nullptr));
  ASSERT_TRUE(bar);
  EXPECT_EQ(::FindMenu(bar.get(), FCIDM_MENU_HELP), helper_.findMenu(bar.get(), FCIDM_MENU_HELP));
}

TEST_F(FindTest, FindsAMarkedPopupAtAnyDepth) {
  const Menu bar(CreateMenu());
  HMENU outer = AddPopup(bar.get(), "外", 0x8000);
  AddCommand(outer, 7, "項目");
  HMENU inner = AddPopup(outer, "内", 0x9000);
  HMENU deepest = AddPopup(inner, "奥", 0x9100);
  EXPECT_EQ(helper_.findMenu(bar.get(), 0x8000), outer);
  EXPECT_EQ(helper_.findMenu(bar.get(), 0x9100), deepest);
  EXPECT_EQ(helper_.findMenu(outer, 0x9000), inner);
}

TEST_F(FindTest, MissesGiveNullAndMinusOne) {
  const Menu bar(CreateMenu());
  HMENU popup = AddPopup(bar.get(), "外", 0x8000);
  AddCommand(popup, 7, "項目");
  AddCommand(popup, 8, "項目");
  EXPECT_EQ(helper_.findMenu(bar.get(), 0x8040), nullptr);
  EXPECT_EQ(helper_.findMenu(bar.get(), 7), nullptr);  // a command, not a popup
  EXPECT_EQ(helper_.findMenu(nullptr, 0x8000), nullptr);

  EXPECT_EQ(helper_.findPosition(popup, 8), 1);
  EXPECT_EQ(helper_.findPosition(popup, 9), -1);
  EXPECT_EQ(helper_.findPosition(bar.get(), 7), -1);  // only the popup's own items
  EXPECT_EQ(helper_.findPosition(nullptr, 7), -1);
}

}  // namespace
