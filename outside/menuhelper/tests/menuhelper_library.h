#pragma once
// menuhelper.dll loaded by name, as its importers find it, with its entries
// looked up by their exported names.
#include <gtest/gtest.h>

#include "common/win/library.h"
#include "outside/menuhelper/menuhelper.h"

struct MenuHelperLibrary {
  Library module{LoadLibraryA("menuhelper.dll")};
  decltype(&CreateCompositeMenu) createCompositeMenu =
      module.Find<decltype(&CreateCompositeMenu)>("CreateCompositeMenu");
  decltype(&FindMenu) findMenu = module.Find<decltype(&FindMenu)>("FindMenu");
  decltype(&FindPosition) findPosition = module.Find<decltype(&FindPosition)>("FindPosition");
  decltype(&MergeMenus) mergeMenus = module.Find<decltype(&MergeMenus)>("MergeMenus");
  decltype(&UpdateViewMenu) updateViewMenu = module.Find<decltype(&UpdateViewMenu)>("UpdateViewMenu");
  decltype(&GetIcon) getIcon = module.Find<decltype(&GetIcon)>("GetIcon");

  bool complete() const {
    return createCompositeMenu && findMenu && findPosition && mergeMenus && updateViewMenu && getIcon;
  }
};

class MenuHelperTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(helper_.complete()); }
  MenuHelperLibrary helper_;
};
