#include "printproc/page_texts.h"

#include "common/win/text_conversion.h"

namespace printproc {
namespace {

// Both format functions are asked for the size first.
template <typename Format>
std::wstring Formatted(Format format) {
  const int size = format(nullptr, 0);
  if (size <= 0) return {};
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  format(text.data(), size);
  text.resize(static_cast<std::size_t>(size) - 1);
  return text;
}

}  // namespace

std::wstring SubmissionText(const JobFacts& facts) {
  SYSTEMTIME local{};
  if (!facts.submitted || !SystemTimeToTzSpecificLocalTime(nullptr, &*facts.submitted, &local)) {
    return {};
  }
  const std::wstring date = Formatted([&](wchar_t* out, int size) {
    return GetDateFormatW(LOCALE_USER_DEFAULT, DATE_LONGDATE, &local, nullptr, out, size);
  });
  const std::wstring time = Formatted([&](wchar_t* out, int size) {
    return GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &local, nullptr, out, size);
  });
  return date + L" " + time;
}

PageTexts MakePageTexts(const char* document, const JobFacts& facts) {
  return {WideFromAnsi(document != nullptr ? document : ""), WideFromAnsi(facts.user),
          SubmissionText(facts)};
}

}  // namespace printproc
