#pragma once
// The registration wizard's 21 pages: each page's dialog and title, and the
// jumps between them. A page is named by its index, which the jumps use.

namespace nic {

enum WizardPage : int {
  kStartPage = 0,
  kSearchModePage = 1,     // automatic search or by protocol
  kAutoSearchPage = 2,
  kAutoResultsPage = 3,
  kAutoEndPage = 4,
  kProtocolPage = 5,       // NetWare or TCP/IP
  kNetWareMethodPage = 6,  // search a network, or type network and MAC
  kNetWareNetworkPage = 7,
  kNetWareSearchPage = 8,
  kNetWareResultsPage = 9,
  kNetWareEndPage = 10,
  kNetWareTypedPage = 11,
  kNetWareCheckPage = 12,
  kTcpMethodPage = 13,  // search by broadcast or range, or type IP and MAC
  kTcpSearchInputPage = 14,
  kTcpSearchPage = 15,
  kTcpResultsPage = 16,
  kTcpEndPage = 17,
  kTcpTypedPage = 18,
  kTcpCheckPage = 19,
  kRegisteredPage = 20,
  kWizardPageCount = 21,
};

inline constexpr int kNoPage = -1;

struct WizardPageLook {
  int dialog;
  const char* title;
};

// The page's dialog and title; a page index out of range gives {0, ""}.
WizardPageLook LookOfWizardPage(int page);

enum class PageKind { Text, Choice, Input, Search, Results, End };
PageKind KindOf(int page);

// Next from a page that needs no search result: a choice page by the
// chosen radio (0 the first), a text or input page to the page after it.
int NextPage(int page, int choice = 0);
// Where a search page leads: its results page when something was kept,
// else its end page.
int AfterSearch(int searchPage, bool kept);
// Back: an input page returns to the page that chose its method; a page
// after a search to the page before that search; the first page and the
// end pages have none.
int BackPage(int page);

}  // namespace nic
