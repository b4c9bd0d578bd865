#pragma once
// Property sheets and wizards shown by a call under test: which page is up,
// the pages' titles, the sheet's buttons, and pressing them or choosing a
// page the way a user's click does, answering the message boxes a page
// brings up on the way.

#include <windows.h>

#include <string>
#include <vector>

#include "common/win/testing/dialog_driver.h"

namespace testkit {

// The sheet's own buttons, as PSM_PRESSBUTTON names them.
enum class SheetButton { Back, Next, Finish, Ok, Apply, Cancel };

HWND CurrentPage(HWND sheet);
int CurrentPageIndex(HWND sheet);
// The tab texts of a property sheet (a wizard has none).
std::vector<std::wstring> PageTitles(HWND sheet);
bool SheetButtonEnabled(HWND sheet, SheetButton button);
std::wstring SheetButtonText(HWND sheet, SheetButton button);
// The page's control `id`.
HWND PageItem(HWND sheet, int id);

// Presses a button of the sheet shown by `session`'s call; the message boxes
// that come up are answered and returned.
Messages PressSheetButton(DialogSession& session, HWND sheet, SheetButton button,
                          const Answers& answers = {});
// Chooses the page with this index, as a click on its tab does (the current
// page may refuse to be left).
Messages SelectPage(DialogSession& session, HWND sheet, int index, const Answers& answers = {});

}  // namespace testkit
