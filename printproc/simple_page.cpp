#include <string>
#include <vector>

#include "common/win/this_module.h"
#include "printproc/page_drawing.h"
#include "printproc/resources.h"
#include "printproc/settings.h"

namespace printproc {
namespace {

std::wstring LoadText(UINT id) {
  const wchar_t* text = nullptr;
  const int length = LoadStringW(ThisModule(), id, reinterpret_cast<wchar_t*>(&text), 0);
  return length > 0 ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
}

// The string's "%s" replaced by `value`; used rather than a printf format
// so that no other "%" in a translated string can read past the arguments.
std::wstring FillIn(UINT id, const std::wstring& value) {
  std::wstring text = LoadText(id);
  const std::size_t at = text.find(L"%s");
  if (at != std::wstring::npos) text.replace(at, 2, value);
  return text;
}

}  // namespace

bool DrawPage(HDC dc, const PageDesign& design, const PageTexts& texts) {
  if (!design.simple) return PlayPageMetafile(dc, design, texts);
  DrawSimplePage(dc, texts);
  return true;
}

void DrawSimplePage(HDC dc, const PageTexts& texts) {
  const std::vector<std::wstring> lines = {
      LoadText(IDS_SIMPLE_TITLE),
      LoadText(IDS_SIMPLE_RULE),
      FillIn(IDS_SIMPLE_DOCUMENT, texts.document),
      FillIn(IDS_SIMPLE_USER, texts.user),
      LoadText(IDS_SIMPLE_TIME) + texts.submitted,
  };
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
  const int left = GetDeviceCaps(dc, LOGPIXELSX);
  int top = GetDeviceCaps(dc, LOGPIXELSY) + lineHeight;
  for (const std::wstring& line : lines) {
    TextOutW(dc, left, top, line.c_str(), static_cast<int>(line.size()));
    top += lineHeight;
  }
}

}  // namespace printproc
