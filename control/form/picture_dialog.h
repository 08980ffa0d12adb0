// The open dialog of the bitmap pickers, with a preview of the selected
// bitmap and its size in pixels beside the list of files.
#pragma once

#include <windows.h>

#include <string>

namespace vornal {

// Runs the dialog modally, opening on fileName when it is not empty.
// True when the user confirmed; fileName is then the chosen full path.
bool RunPictureDialog(HWND owner, HINSTANCE instance, std::string& fileName);

}  // namespace vornal
