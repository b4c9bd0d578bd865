#pragma once
// Drawing a separator page onto a device context already on its page.

#include <windows.h>

#include "printproc/page_design.h"
#include "printproc/page_texts.h"

namespace printproc {

// Five lines of text an inch from the left, from an inch and a line down.
void DrawSimplePage(HDC dc, const PageTexts& texts);

// Plays the metafile over the printable area in its frame, drawing the
// job's texts for the placeholders "%1%" (document), "%2%" (user) and "%3%"
// (date and time). False when GDI would not take the metafile.
bool PlayPageMetafile(HDC dc, const PageDesign& design, const PageTexts& texts);

// Whichever the design is; false when nothing could be drawn.
bool DrawPage(HDC dc, const PageDesign& design, const PageTexts& texts);

}  // namespace printproc
