#include "form/picture_dialog.h"

#include <commdlg.h>

#include <cstdio>

#include "bitmap_file.h"
#include "gdi_owners.h"
#include "resources/resource_ids.h"

namespace vornal {
namespace {

// What the hook procedure keeps while the dialog is open.
struct Preview {
  UniqueBitmap bitmap;
  int width = 0;
  int height = 0;
};

void ShowPreview(HWND page, Preview& preview, const char* path) {
  preview = Preview{};
  BitmapFileInfo info;
  // A damaged file shows nothing, and no error.
  if (path != nullptr) preview.bitmap = LoadBitmapFile(path, info);
  char size[32] = "";
  if (preview.bitmap) {
    preview.width = info.width;
    preview.height = info.height;
    std::snprintf(size, sizeof size, "%d x %d pixels", preview.width, preview.height);
  }
  SetDlgItemTextA(page, IDC_PreviewSize, size);
  InvalidateRect(GetDlgItem(page, IDC_PreviewImage), nullptr, TRUE);
}

// The picture scaled to fit the frame, keeping its proportions; small
// pictures are shown at their own size.
void DrawPreview(const DRAWITEMSTRUCT& item, const Preview& preview) {
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  if (!preview.bitmap || preview.width <= 0 || preview.height <= 0) return;
  const int boxW = item.rcItem.right - item.rcItem.left;
  const int boxH = item.rcItem.bottom - item.rcItem.top;
  int w = preview.width;
  int h = preview.height;
  if (w > boxW || h > boxH) {
    if (static_cast<long long>(w) * boxH > static_cast<long long>(h) * boxW) {
      h = static_cast<int>(static_cast<long long>(h) * boxW / w);
      w = boxW;
    } else {
      w = static_cast<int>(static_cast<long long>(w) * boxH / h);
      h = boxH;
    }
  }
  const UniqueMemoryDC source(CreateCompatibleDC(item.hDC));
  if (!source) return;
  const SelectedObject picture(source.Get(), preview.bitmap.Get());
  SetStretchBltMode(item.hDC, HALFTONE);
  SetBrushOrgEx(item.hDC, 0, 0, nullptr);
  StretchBlt(item.hDC, item.rcItem.left + (boxW - w) / 2, item.rcItem.top + (boxH - h) / 2, w,
             h, source.Get(), 0, 0, preview.width, preview.height, SRCCOPY);
}

// Plain system calls and the checked bitmap reader only: nothing here
// throws.
UINT_PTR CALLBACK PreviewHook(HWND page, UINT message, WPARAM, LPARAM lParam) noexcept {
  auto* preview = reinterpret_cast<Preview*>(GetWindowLongPtrA(page, GWLP_USERDATA));
  switch (message) {
    case WM_INITDIALOG: {
      const auto* ofn = reinterpret_cast<const OPENFILENAMEA*>(lParam);
      SetWindowLongPtrA(page, GWLP_USERDATA, static_cast<LONG_PTR>(ofn->lCustData));
      return 0;
    }
    case WM_NOTIFY: {
      const auto* notify = reinterpret_cast<const OFNOTIFYA*>(lParam);
      if (preview == nullptr) return 0;
      if (notify->hdr.code == CDN_INITDONE || notify->hdr.code == CDN_SELCHANGE) {
        char path[MAX_PATH] = {};
        const LRESULT n = SendMessageA(GetParent(page), CDM_GETFILEPATH, MAX_PATH,
                                       reinterpret_cast<LPARAM>(path));
        ShowPreview(page, *preview, n > 0 && n <= MAX_PATH ? path : nullptr);
      }
      return 0;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (preview == nullptr || item->CtlID != IDC_PreviewImage) return 0;
      DrawPreview(*item, *preview);
      return 1;
    }
    default:
      return 0;
  }
}

}  // namespace

bool RunPictureDialog(HWND owner, HINSTANCE instance, std::string& fileName) {
  char path[MAX_PATH] = {};
  if (fileName.size() < MAX_PATH) fileName.copy(path, MAX_PATH - 1);
  Preview preview;
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.hInstance = instance;
  ofn.lpstrFilter = "Bitmaps (*.bmp)\0*.bmp\0";
  ofn.lpstrFile = path;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrTitle = "Select Bitmap File";
  ofn.lpstrDefExt = "bmp";
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST |
              OFN_NONETWORKBUTTON | OFN_ENABLESIZING | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE;
  ofn.lpfnHook = PreviewHook;
  ofn.lpTemplateName = MAKEINTRESOURCEA(IDD_PicturePreview);
  ofn.lCustData = reinterpret_cast<LPARAM>(&preview);
  const bool chosen = GetOpenFileNameA(&ofn) != FALSE;
  if (chosen) fileName = path;
  return chosen;
}

}  // namespace vornal
