// Group boxes painted by the program itself where the system's own
// painting is known to clip their captions: Wine's common controls (version
// 6) measure a group box caption one character short and draw the frame
// line through its last letter ("Window Shadows (XP" with the ")" gone).
// On Windows the system's painting stays.
#pragma once

#include <windows.h>

namespace vornal {

// True when the program runs under Wine.
bool RunsUnderWine();

// Paints every group box among the descendants of parent with its whole
// caption.
void PaintGroupBoxesWhole(HWND parent);

}  // namespace vornal
