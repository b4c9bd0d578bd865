#pragma once
// The job's texts as a separator page shows them. Names arrive in the ANSI
// code page and are drawn as wide text, so they read right whatever
// character set the page's font has.

#include <windows.h>

#include <string>
#include <string_view>

#include "printproc/spooler_seam.h"

namespace printproc {

struct PageTexts {
  std::wstring document;
  std::wstring user;
  std::wstring submitted;  // local long date, a blank, the time
};

// The submission time in local time; empty when the job did not tell it.
std::wstring SubmissionText(const JobFacts& facts);

PageTexts MakePageTexts(const char* document, const JobFacts& facts);

}  // namespace printproc
