#include "nicconf/wizard/core/wizard_pages.h"

#include <gtest/gtest.h>

#include <string>

namespace nic {
namespace {

TEST(WizardPages, EachPageHasItsDialogAndTitle) {
  EXPECT_EQ(LookOfWizardPage(kStartPage).dialog, 304);
  EXPECT_EQ(std::string(LookOfWizardPage(kStartPage).title), "開始");
  EXPECT_EQ(LookOfWizardPage(kSearchModePage).dialog, 120);
  EXPECT_EQ(std::string(LookOfWizardPage(kProtocolPage).title), "通信プロトコルの選択");
  EXPECT_EQ(LookOfWizardPage(kNetWareTypedPage).dialog, 113);
  EXPECT_EQ(std::string(LookOfWizardPage(kNetWareTypedPage).title), "NetWareプロトコルによる検索");
  EXPECT_EQ(LookOfWizardPage(kTcpSearchInputPage).dialog, 104);
  EXPECT_EQ(LookOfWizardPage(kTcpTypedPage).dialog, 122);
  EXPECT_EQ(std::string(LookOfWizardPage(kRegisteredPage).title), "プリンタの登録");
  for (const int search : {kAutoSearchPage, kNetWareSearchPage, kNetWareCheckPage, kTcpSearchPage, kTcpCheckPage}) {
    EXPECT_EQ(LookOfWizardPage(search).dialog, 115) << search;
    EXPECT_EQ(std::string(LookOfWizardPage(search).title), "通信中") << search;
  }
  EXPECT_EQ(LookOfWizardPage(kWizardPageCount).dialog, 0);
  EXPECT_EQ(LookOfWizardPage(-1).dialog, 0);
}

TEST(WizardPages, ChoicesJumpToTheirMethods) {
  EXPECT_EQ(NextPage(kStartPage), kSearchModePage);
  EXPECT_EQ(NextPage(kSearchModePage, 0), kAutoSearchPage);
  EXPECT_EQ(NextPage(kSearchModePage, 1), kProtocolPage);
  EXPECT_EQ(NextPage(kProtocolPage, 0), kNetWareMethodPage);
  EXPECT_EQ(NextPage(kProtocolPage, 1), kTcpMethodPage);
  EXPECT_EQ(NextPage(kNetWareMethodPage, 0), kNetWareNetworkPage);
  EXPECT_EQ(NextPage(kNetWareMethodPage, 1), kNetWareTypedPage);
  EXPECT_EQ(NextPage(kTcpMethodPage, 0), kTcpSearchInputPage);
  EXPECT_EQ(NextPage(kTcpMethodPage, 1), kTcpTypedPage);
  EXPECT_EQ(NextPage(kNetWareNetworkPage), kNetWareSearchPage);
  EXPECT_EQ(NextPage(kTcpTypedPage), kTcpCheckPage);
  EXPECT_EQ(NextPage(kTcpCheckPage), kRegisteredPage);
  EXPECT_EQ(NextPage(kTcpResultsPage), kTcpEndPage);
  // A search page moves on by its outcome, an end page not at all.
  EXPECT_EQ(NextPage(kAutoSearchPage), kNoPage);
  EXPECT_EQ(NextPage(kRegisteredPage), kNoPage);
}

TEST(WizardPages, ASearchLeadsToItsResultsOrItsEnd) {
  EXPECT_EQ(AfterSearch(kAutoSearchPage, true), kAutoResultsPage);
  EXPECT_EQ(AfterSearch(kAutoSearchPage, false), kAutoEndPage);
  EXPECT_EQ(AfterSearch(kNetWareSearchPage, true), kNetWareResultsPage);
  EXPECT_EQ(AfterSearch(kTcpSearchPage, false), kTcpEndPage);
  EXPECT_EQ(AfterSearch(kTcpTypedPage, true), kNoPage);
}

// Input pages go back to the page that chose their method.
TEST(WizardPages, BackReturnsToWhereTheMethodWasChosen) {
  EXPECT_EQ(BackPage(kNetWareNetworkPage), kNetWareMethodPage);
  EXPECT_EQ(BackPage(kNetWareTypedPage), kNetWareMethodPage);
  EXPECT_EQ(BackPage(kTcpSearchInputPage), kTcpMethodPage);
  EXPECT_EQ(BackPage(kTcpTypedPage), kTcpMethodPage);
  EXPECT_EQ(BackPage(kTcpMethodPage), kProtocolPage);
  EXPECT_EQ(BackPage(kSearchModePage), kStartPage);
  EXPECT_EQ(BackPage(kTcpResultsPage), kTcpSearchInputPage);
  EXPECT_EQ(BackPage(kStartPage), kNoPage);
  EXPECT_EQ(BackPage(kAutoEndPage), kNoPage);
}

}  // namespace
}  // namespace nic
