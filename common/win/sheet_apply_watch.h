#pragma once
// A property sheet asks its current page to let itself be left before it
// applies (OK, Apply, or Enter). Pages whose save stores what was typed even
// when a check fails must then not refuse: the save makes the check itself,
// keeps the sheet open and stores anyway. The watch tells a page which of
// the two is leaving it: a change of page, or the sheet applying.

#include <windows.h>
#include <commctrl.h>

// The sheet's callback (PSH_USECALLBACK): watches the sheet's OK and Apply,
// and centres the sheet over the window PlaceNextSheetOver named on this
// thread (the screen when none): a sheet of its own thread has no owner to
// appear over.
int CALLBACK WatchSheetApplies(HWND sheet, UINT message, LPARAM lParam);
void PlaceNextSheetOver(HWND window);

// True while the sheet on this thread is applying.
bool SheetApplying();
