#pragma once
// Resource identifiers of printproc.dll, shared by the resource script and
// the code that loads them.

#define IDS_SIMPLE_TITLE 521      // the simple separator page, line by line
#define IDS_SIMPLE_RULE 522
#define IDS_SIMPLE_DOCUMENT 523
#define IDS_SIMPLE_USER 524
#define IDS_SIMPLE_TIME 525
#define IDS_SEPARATOR_SIMPLE 526  // separator names that choose a built-in page
#define IDS_SEPARATOR_FULL 527

#define IDR_SEPARATOR_PAGE 600    // the full separator page, a Windows metafile
#define RT_SEPARATOR_PAGE 601
