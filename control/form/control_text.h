// The texts of the dialog's own controls, read whole.
#pragma once

#include <windows.h>

#include <string>

namespace vornal {

// A window's text of any length; empty for a null window.
std::string WindowText(HWND window);

// Entry index of a list box; false when there is no such entry.
bool ReadListBoxEntry(HWND list, LRESULT index, std::string& text);

}  // namespace vornal
