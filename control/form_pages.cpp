#include "form_pages.h"

#include <windows.h>
#include <commctrl.h>

#include "resources/resource_ids.h"

namespace vornal {
namespace {

// Which tab sheets each page control holds, in tab order; the first one is
// active at start. A sheet's tab shows the caption of its dialog template.
struct PageControlPlan {
  int pageControlId;
  int parentSheetId;  // 0: on the form itself
  std::vector<int> sheets;
};

const std::vector<PageControlPlan>& Plan() {
  static const std::vector<PageControlPlan> plan = {
      {IDC_PageControl1, 0, {IDD_TabSheet2, IDD_TabSheet1, IDD_TabSheet4, IDD_TabSheet7}},
      {IDC_PageControl2, IDD_TabSheet2,
       {IDD_TabSheet9, IDD_TabSheet10, IDD_TabSheet5, IDD_TabSheet22, IDD_TabSheet11, IDD_TabSheet12}},
      {IDC_PageControl4, IDD_TabSheet1,
       {IDD_TabSheet14, IDD_TabSheet16, IDD_TabSheet15, IDD_TabSheet13}},
      {IDC_PageControl5, IDD_TabSheet4,
       {IDD_TabSheet23, IDD_TabSheet6, IDD_TabSheet21, IDD_TabSheet8, IDD_TabSheet17,
        IDD_TabSheet18, IDD_TabSheet19, IDD_TabSheet20, IDD_TabSheet3}},
  };
  return plan;
}

BOOL CALLBACK AddTool(HWND control, LPARAM param) {
  const auto* ctx = reinterpret_cast<const std::pair<HINSTANCE, HWND>*>(param);
  const int id = GetDlgCtrlID(control);
  char hint[256];
  if (id <= 0 || LoadStringA(ctx->first, static_cast<UINT>(id), hint, sizeof hint) <= 0) {
    return TRUE;
  }
  TTTOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = hint;
  SendMessageA(ctx->second, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  return TRUE;
}

struct FindContext {
  int id;
  HWND found;
};

BOOL CALLBACK FindById(HWND window, LPARAM param) {
  auto* ctx = reinterpret_cast<FindContext*>(param);
  if (GetDlgCtrlID(window) == ctx->id) {
    // Tab sheets are dialogs whose ids are not control ids; skip them.
    char cls[16];
    if (GetClassNameA(window, cls, sizeof cls) == 0 || lstrcmpA(cls, "#32770") != 0) {
      ctx->found = window;
      return FALSE;
    }
  }
  return TRUE;
}

}  // namespace

bool FormPages::Create(HINSTANCE instance, HWND form, DLGPROC pageProc, LPARAM pageParam) {
  form_ = form;
  for (const PageControlPlan& pc : Plan()) {
    HWND tabs = PageControlWindow(pc.pageControlId);
    if (tabs == nullptr) return false;
    HWND parent = GetParent(tabs);
    for (int dialogId : pc.sheets) {
      HWND sheet = CreateDialogParamA(instance, MAKEINTRESOURCEA(dialogId), parent, pageProc, pageParam);
      if (sheet == nullptr) return false;
      SetWindowLongPtrA(sheet, GWLP_ID, dialogId);
      char caption[64] = {};
      GetWindowTextA(sheet, caption, sizeof caption);
      TCITEMA item{};
      item.mask = TCIF_TEXT;
      item.pszText = caption;
      const auto index = static_cast<WPARAM>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
      SendMessageA(tabs, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
      layout_.push_back({pc.pageControlId, dialogId, sheet});
      sheets_.push_back(sheet);
    }
    PlaceSheets(pc.pageControlId);
    SelectTab(pc.pageControlId, 0);
  }
  AddTooltips(instance, form);
  return true;
}

HWND FormPages::Control(int id) const {
  if (form_ == nullptr) return nullptr;
  FindContext ctx{id, nullptr};
  EnumChildWindows(form_, FindById, reinterpret_cast<LPARAM>(&ctx));
  return ctx.found;
}

HWND FormPages::PageControlWindow(int pageControlId) const {
  if (HWND direct = GetDlgItem(form_, pageControlId)) return direct;
  for (const Sheet& s : layout_) {
    if (HWND inner = GetDlgItem(s.window, pageControlId)) return inner;
  }
  return nullptr;
}

void FormPages::PlaceSheets(int pageControlId) {
  HWND tabs = PageControlWindow(pageControlId);
  RECT area;
  GetClientRect(tabs, &area);
  SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  MapWindowPoints(tabs, GetParent(tabs), reinterpret_cast<POINT*>(&area), 2);
  for (const Sheet& s : layout_) {
    if (s.pageControlId != pageControlId) continue;
    // Above the tab control in z-order, so that the sheet is drawn on top.
    SetWindowPos(s.window, HWND_TOP, area.left, area.top, area.right - area.left,
                 area.bottom - area.top, SWP_NOACTIVATE);
  }
}

void FormPages::SelectTab(int pageControlId, int index) {
  HWND tabs = PageControlWindow(pageControlId);
  SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  int i = 0;
  for (const Sheet& s : layout_) {
    if (s.pageControlId != pageControlId) continue;
    ShowWindow(s.window, i++ == index ? SW_SHOW : SW_HIDE);
  }
}

void FormPages::ShowTabSheet(int dialogId) {
  for (const PageControlPlan& pc : Plan()) {
    for (std::size_t i = 0; i < pc.sheets.size(); ++i) {
      if (pc.sheets[i] != dialogId) continue;
      if (pc.parentSheetId != 0) ShowTabSheet(pc.parentSheetId);
      SelectTab(pc.pageControlId, static_cast<int>(i));
      return;
    }
  }
}

bool FormPages::OnNotify(const NMHDR& header) {
  if (header.code != TCN_SELCHANGE) return false;
  for (const PageControlPlan& pc : Plan()) {
    if (static_cast<int>(header.idFrom) == pc.pageControlId) {
      SelectTab(pc.pageControlId,
                static_cast<int>(SendMessageA(header.hwndFrom, TCM_GETCURSEL, 0, 0)));
      return true;
    }
  }
  return false;
}

void FormPages::AddTooltips(HINSTANCE instance, HWND form) {
  tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form,
                             nullptr, instance, nullptr);
  if (tooltip_ == nullptr) return;
  SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
  std::pair<HINSTANCE, HWND> ctx{instance, tooltip_};
  EnumChildWindows(form, AddTool, reinterpret_cast<LPARAM>(&ctx));
}

}  // namespace vornal
