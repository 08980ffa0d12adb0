#include "form/group_box_paint.h"

#include <commctrl.h>

#include "gdi_owners.h"

namespace vornal {
namespace {

constexpr int kCaptionIndent = 7;  // where the system puts the caption

// Plain system calls only (the parent's WM_CTLCOLORSTATIC is answered by a
// guarded procedure): nothing here throws.
LRESULT CALLBACK GroupBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR) noexcept {
  if (message == WM_NCDESTROY) RemoveWindowSubclass(box, GroupBoxProc, 0);
  if (message != WM_PAINT) return DefSubclassProc(box, message, wParam, lParam);
  const PaintDC paint(box);
  const HDC dc = paint.Get();
  const SelectedObject font(dc, reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0)));
  RECT client;
  GetClientRect(box, &client);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  RECT frame = client;
  frame.top += metrics.tmHeight / 2 - 1;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);

  char caption[256] = {};
  if (GetWindowTextA(box, caption, sizeof caption) > 0) {
    RECT label{client.left + kCaptionIndent, client.top, client.right - kCaptionIndent, client.bottom};
    DrawTextA(dc, caption, -1, &label, DT_SINGLELINE | DT_LEFT | DT_CALCRECT);
    // The measured width leaves out how far the last letter reaches past
    // its advance (that is what gets clipped otherwise): room for it, and a
    // pixel either side so that the frame line stops short of the text.
    const int reach = metrics.tmAveCharWidth / 2;
    RECT behind{label.left - 1, label.top, label.right + reach + 1, label.bottom};
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(box), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(box)));
    FillRect(dc, &behind, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(box) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    DrawTextA(dc, caption, -1, &label, DT_SINGLELINE | DT_LEFT | DT_NOCLIP);
  }
  return 0;
}

BOOL CALLBACK Subclass(HWND window, LPARAM) noexcept {
  char cls[16] = {};
  GetClassNameA(window, cls, sizeof cls);
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  if (lstrcmpiA(cls, "Button") == 0 && (style & BS_TYPEMASK) == BS_GROUPBOX) {
    SetWindowSubclass(window, GroupBoxProc, 0, 0);
  }
  return TRUE;
}

}  // namespace

bool RunsUnderWine() {
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

void PaintGroupBoxesWhole(HWND parent) { EnumChildWindows(parent, Subclass, 0); }

}  // namespace vornal
