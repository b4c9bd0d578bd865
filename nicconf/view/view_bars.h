#pragma once
// The browser's toolbar and status bar as the view's state wants them: the
// selection's buttons enabled only while the view has the focus and an item
// is chosen, the mode button checked, the object count in the status bar.

namespace nic::view {

void UpdateBars();
// A text in the browser's status bar until the next update.
void ShowStatusText(const char* text);

// The toolbar's tooltip of a command; null for a command without one.
const char* ToolTipOf(int command);

}  // namespace nic::view
