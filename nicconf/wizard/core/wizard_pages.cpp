#include "nicconf/wizard/core/wizard_pages.h"

namespace nic {
namespace {

constexpr char kNetWareSearch[] = "NetWareプロトコルによる検索";
constexpr char kTcpSearch[] = "TCP/IPプロトコルによる検索";
constexpr char kResults[] = "検出結果";
constexpr char kTalking[] = "通信中";

struct PageRow {
  int dialog;
  const char* title;
  PageKind kind;
};

constexpr PageRow kPages[kWizardPageCount] = {
    {304, "開始", PageKind::Text},
    {120, "検索モードの選択", PageKind::Choice},
    {115, kTalking, PageKind::Search},
    {301, kResults, PageKind::Results},
    {304, kResults, PageKind::End},
    {120, "通信プロトコルの選択", PageKind::Choice},
    {302, kNetWareSearch, PageKind::Choice},
    {303, kNetWareSearch, PageKind::Input},
    {115, kTalking, PageKind::Search},
    {301, kResults, PageKind::Results},
    {304, kResults, PageKind::End},
    {113, kNetWareSearch, PageKind::Input},
    {115, kTalking, PageKind::Search},
    {302, kTcpSearch, PageKind::Choice},
    {104, "検索方法を選んでください。", PageKind::Input},
    {115, kTalking, PageKind::Search},
    {301, kResults, PageKind::Results},
    {304, kResults, PageKind::End},
    {122, kTcpSearch, PageKind::Input},
    {115, kTalking, PageKind::Search},
    {304, "プリンタの登録", PageKind::End},
};

bool Known(int page) { return page >= 0 && page < kWizardPageCount; }

}  // namespace

WizardPageLook LookOfWizardPage(int page) {
  if (!Known(page)) return {0, ""};
  return {kPages[page].dialog, kPages[page].title};
}

PageKind KindOf(int page) { return Known(page) ? kPages[page].kind : PageKind::End; }

int NextPage(int page, int choice) {
  switch (page) {
    case kSearchModePage: return choice == 0 ? kAutoSearchPage : kProtocolPage;
    case kProtocolPage: return choice == 0 ? kNetWareMethodPage : kTcpMethodPage;
    case kNetWareMethodPage: return choice == 0 ? kNetWareNetworkPage : kNetWareTypedPage;
    case kTcpMethodPage: return choice == 0 ? kTcpSearchInputPage : kTcpTypedPage;
    case kAutoResultsPage: return kAutoEndPage;
    case kNetWareResultsPage: return kNetWareEndPage;
    case kTcpResultsPage: return kTcpEndPage;
    case kNetWareCheckPage:
    case kTcpCheckPage: return kRegisteredPage;
    default: break;
  }
  const PageKind kind = KindOf(page);
  if (!Known(page) || kind == PageKind::End || kind == PageKind::Search) return kNoPage;
  return page + 1;
}

int AfterSearch(int searchPage, bool kept) {
  if (KindOf(searchPage) != PageKind::Search) return kNoPage;
  return searchPage + (kept ? 1 : 2);
}

int BackPage(int page) {
  switch (page) {
    case kSearchModePage: return kStartPage;
    case kProtocolPage: return kSearchModePage;
    case kNetWareMethodPage:
    case kTcpMethodPage: return kProtocolPage;
    case kNetWareNetworkPage:
    case kNetWareTypedPage: return kNetWareMethodPage;
    case kTcpSearchInputPage:
    case kTcpTypedPage: return kTcpMethodPage;
    case kAutoResultsPage: return kSearchModePage;
    case kNetWareResultsPage: return kNetWareNetworkPage;
    case kTcpResultsPage: return kTcpSearchInputPage;
    default: return kNoPage;
  }
}

}  // namespace nic
