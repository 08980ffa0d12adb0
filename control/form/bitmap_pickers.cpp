// The five "Specify..." buttons beside the bitmap paths: one picture
// dialog, opening on the edit's file when it exists, otherwise on the file
// last chosen with any of them.
#include <windows.h>

#include "form/form_main.h"
#include "form/picture_dialog.h"
#include "resources/resource_ids.h"

namespace vornal {

void FormMain::PickBitmap(int editId) {
  HWND edit = Control(editId);
  char typed[MAX_PATH] = {};
  GetWindowTextA(edit, typed, sizeof typed);
  const DWORD attributes = GetFileAttributesA(typed);
  if (typed[0] != '\0' && attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    lastBitmap_ = typed;
  }
  std::string chosen = lastBitmap_;
  if (!RunPictureDialog(form_, env_.instance, chosen)) return;
  lastBitmap_ = chosen;
  SetWindowTextA(edit, chosen.c_str());
}

void FormMain::ButtonWallpaperClick() { PickBitmap(IDC_EditWindowWallpaper); }
void FormMain::ButtonMDIWallpaperClick() { PickBitmap(IDC_EditMDIWallpaper); }
void FormMain::ButtonTVWallpaperClick() { PickBitmap(IDC_EditTVWallpaper); }
void FormMain::ButtonExplorerClick() { PickBitmap(IDC_EditExplorerToolbar); }
void FormMain::ButtonIEClick() { PickBitmap(IDC_EditIEToolbar); }

}  // namespace vornal
