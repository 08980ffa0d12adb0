#include "form/form_pages.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <climits>

#include "callback_guard.h"
#include "gdi_owners.h"
#include "form/group_box_paint.h"
#include "resources/resource_ids.h"
#include "form/spin_edits.h"

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

// A child window's rectangle in its parent's client coordinates.
RECT ChildRect(HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void MoveChild(HWND child, int x, int y, int width, int height) {
  SetWindowPos(child, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void OffsetChild(HWND child, int dx, int dy) {
  const RECT r = ChildRect(child);
  SetWindowPos(child, nullptr, r.left + dx, r.top + dy, 0, 0,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
}

// Pixels at 96 DPI scaled like the form itself, which is sized in pixels.
int ScaledPixels(int pixels, int dpi) { return ScaleToDpi(pixels, kBaseDpi, dpi); }

DpiBox BoxOf(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// The functions of newer systems, looked up by name: the program runs on
// Windows 7, which has none of them.
template <typename Function>
Function User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleA("user32.dll");
  return user32 != nullptr ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                           : nullptr;
}

// In a PerMonitorV2 process the dialog manager scales dialogs made from
// templates on its own when the DPI changes; the form is sized in pixels
// and laid out by FormPages, so the dialog manager is told to leave the
// form, its sheets and their controls alone, and only one layout runs.
void TakeOverDpiScaling(HWND window, bool dialog) {
  using DialogBehaviour = BOOL(WINAPI*)(HWND, int, int);
  using ControlBehaviour = BOOL(WINAPI*)(HWND, int, int);
  static const auto setDialog = User32Function<DialogBehaviour>("SetDialogDpiChangeBehavior");
  static const auto setControl = User32Function<ControlBehaviour>("SetDialogControlDpiChangeBehavior");
  constexpr int kDialogDisableAll = 0x0001;                  // DDC_DISABLE_ALL
  constexpr int kControlDisableFontAndLayout = 0x0001 | 0x0002;  // DCDC_DISABLE_FONT_UPDATE | DCDC_DISABLE_RELAYOUT
  if (dialog && setDialog != nullptr) setDialog(window, kDialogDisableAll, kDialogDisableAll);
  if (setControl != nullptr) setControl(window, kControlDisableFontAndLayout, kControlDisableFontAndLayout);
}

// The row below the pages: the buttons keep to the right edge, the panels
// to the left.
constexpr int kRightButtons[] = {IDC_BitBtnOK, IDC_BitBtnCancel, IDC_ButtonApply, IDC_ButtonUnload};
constexpr int kLeftOfRow[] = {IDC_PanelInfo, IDC_LabelVer, IDC_PanelStatus};

BOOL CALLBACK AddTool(HWND control, LPARAM param) noexcept {
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

// Tab sheets are dialogs whose ids are not control ids.
bool IsTabSheet(HWND window) {
  char cls[16];
  return GetClassNameA(window, cls, sizeof cls) != 0 && lstrcmpA(cls, "#32770") == 0;
}

struct FindContext {
  int id;
  HWND found;
};

BOOL CALLBACK FindById(HWND window, LPARAM param) noexcept {
  auto* ctx = reinterpret_cast<FindContext*>(param);
  if (GetDlgCtrlID(window) == ctx->id && !IsTabSheet(window)) {
    ctx->found = window;
    return FALSE;
  }
  return TRUE;
}

// Every control of the form and its sheets, in the order of enumeration.
// Out of memory the list stops where it is (FALSE ends the enumeration, as
// the next entry could not be kept either): a control missing from it is
// not found, and what is sent to it goes nowhere.
BOOL CALLBACK NoteControl(HWND window, LPARAM param) noexcept {
  return Guarded([&] {
    auto* controls = reinterpret_cast<std::vector<std::pair<int, HWND>>*>(param);
    if (!IsTabSheet(window)) controls->emplace_back(GetDlgCtrlID(window), window);
    return TRUE;
  }, FALSE);
}

BOOL CALLBACK NoteAnyChild(HWND window, LPARAM param) noexcept {
  return Guarded([&] {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
  }, FALSE);
}

}  // namespace

int WindowDpi(HWND window) {
  using ForWindow = UINT(WINAPI*)(HWND);
  static const auto forWindow = User32Function<ForWindow>("GetDpiForWindow");
  if (forWindow != nullptr && window != nullptr) {
    const int dpi = static_cast<int>(forWindow(window));
    if (dpi > 0) return dpi;
  }
  const ScreenDC screen;
  const int dpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : kBaseDpi;
  return dpi > 0 ? dpi : kBaseDpi;
}

bool FormPages::Create(HINSTANCE instance, HWND form, DLGPROC pageProc, LPARAM pageParam) {
  form_ = form;
  dpi_ = WindowDpi(form);
  FitFormControls();
  for (const PageControlPlan& pc : Plan()) {
    HWND tabs = PageControlWindow(pc.pageControlId);
    if (tabs == nullptr) return false;
    HWND parent = GetParent(tabs);
    // The outer sheet has its final size by now; its page control fills it
    // before the inner sheets are fitted to the page control.
    if (pc.parentSheetId != 0) FitInnerPageControl(tabs);
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
    }
    PlaceSheets(pc.pageControlId);
    SelectTab(pc.pageControlId, 0);
  }
  SetUpControls();
  PlaceDirectionGrid(IDC_Label19, IDC_RadioButtonStyle3);
  PlaceDirectionGrid(IDC_Label20, IDC_RadioButtonStyle14);
  AddTooltips(instance, form);
  if (RunsUnderWine()) PaintGroupBoxesWhole(form);
  // The controls never change from now on: look each up once.
  EnumChildWindows(form_, NoteControl, reinterpret_cast<LPARAM>(&controls_));
  // By id; the first one of an id wins, as in the search by enumeration.
  const auto byId = [](const auto& a, const auto& b) { return a.first < b.first; };
  std::stable_sort(controls_.begin(), controls_.end(), byId);
  controls_.erase(std::unique(controls_.begin(), controls_.end(),
                              [](const auto& a, const auto& b) { return a.first == b.first; }),
                  controls_.end());
  NoteLayout();
  return true;
}

void FormPages::NoteLayout() {
  layoutDpi_ = dpi_;
  RECT client{};
  GetClientRect(form_, &client);
  client_ = BoxOf(client);
  TakeOverDpiScaling(form_, true);
  std::vector<HWND> windows;
  EnumChildWindows(form_, NoteAnyChild, reinterpret_cast<LPARAM>(&windows));
  placed_.clear();
  placed_.reserve(windows.size());
  for (HWND w : windows) {
    TakeOverDpiScaling(w, IsTabSheet(w));
    placed_.push_back({w, BoxOf(ChildRect(w))});
  }
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(form_, WM_GETFONT, 0, 0));
  haveLayoutFont_ = font != nullptr && GetObjectA(font, sizeof layoutFont_, &layoutFont_) == sizeof layoutFont_;
}

DpiBox FormPages::ClientBox() const { return ScaleBoxToDpi(client_, layoutDpi_, dpi_); }

void FormPages::ChangeDpi(int dpi) {
  if (dpi <= 0 || dpi == dpi_ || form_ == nullptr) return;
  dpi_ = dpi;
  // The font first: the page controls' tabs take their height from it,
  // and the sheets are placed below the tabs.
  UniqueFont font;
  if (haveLayoutFont_) {
    LOGFONTA scaled = layoutFont_;
    scaled.lfHeight = ScaleFontHeight(layoutFont_.lfHeight, layoutDpi_, dpi);
    font = UniqueFont(CreateFontIndirectA(&scaled));
  }
  for (const Placed& p : placed_) {
    // A sheet's own font is the dialog manager's, which frees it with the
    // sheet; only the controls get the scaled one.
    if (font && !IsTabSheet(p.window)) {
      SendMessageA(p.window, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
    }
    const DpiBox b = ScaleBoxToDpi(p.box, layoutDpi_, dpi);
    SetWindowPos(p.window, nullptr, b.left, b.top, b.Width(), b.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  }
  // Every control uses the new font by now: the one before may go.
  if (font) font_ = std::move(font);
  PlaceAllSheets();
  if (tooltip_ != nullptr) SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, ScaledPixels(400, dpi));
  RedrawWindow(form_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// Outer page controls before the inner ones, which sit on their sheets.
void FormPages::PlaceAllSheets() {
  for (const PageControlPlan& pc : Plan()) {
    HWND tabs = PageControlWindow(pc.pageControlId);
    if (tabs == nullptr) continue;
    RECT area;
    GetClientRect(tabs, &area);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(tabs, GetParent(tabs), reinterpret_cast<POINT*>(&area), 2);
    for (const Sheet& s : layout_) {
      if (s.pageControlId != pc.pageControlId) continue;
      SetWindowPos(s.window, nullptr, area.left, area.top, area.right - area.left,
                   area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
  }
}

bool FormPages::Locate(int dialogId, TabSheetPlace& place) {
  for (const PageControlPlan& pc : Plan()) {
    for (std::size_t i = 0; i < pc.sheets.size(); ++i) {
      if (pc.sheets[i] != dialogId) continue;
      place.pageControlId = pc.pageControlId;
      place.index = static_cast<int>(i);
      place.parentSheetId = pc.parentSheetId;
      return true;
    }
  }
  return false;
}

// The form's client area is fixed in pixels while its template is laid out
// in dialog units, which depend on the font: the row below the pages goes
// to the bottom edge and PageControl1 takes all the room above it, with the
// template's left margin all round.
void FormPages::FitFormControls() {
  HWND tabs = GetDlgItem(form_, IDC_PageControl1);
  if (tabs == nullptr) return;
  RECT client{};
  GetClientRect(form_, &client);
  const RECT pages = ChildRect(tabs);
  const int margin = pages.left;

  int rowTop = INT_MAX;
  int rowBottom = INT_MIN;
  int rightEdge = INT_MIN;
  for (int id : kRightButtons) {
    if (HWND c = GetDlgItem(form_, id)) {
      const RECT r = ChildRect(c);
      rowTop = std::min(rowTop, static_cast<int>(r.top));
      rowBottom = std::max(rowBottom, static_cast<int>(r.bottom));
      rightEdge = std::max(rightEdge, static_cast<int>(r.right));
    }
  }
  for (int id : kLeftOfRow) {
    if (HWND c = GetDlgItem(form_, id)) {
      const RECT r = ChildRect(c);
      rowTop = std::min(rowTop, static_cast<int>(r.top));
      rowBottom = std::max(rowBottom, static_cast<int>(r.bottom));
    }
  }
  if (rowTop == INT_MAX) return;
  const int dy = client.bottom - margin - rowBottom;
  const int dx = client.right - margin - rightEdge;
  for (int id : kRightButtons) {
    if (HWND c = GetDlgItem(form_, id)) OffsetChild(c, dx, dy);
  }
  for (int id : kLeftOfRow) {
    if (HWND c = GetDlgItem(form_, id)) OffsetChild(c, 0, dy);
  }
  rowTop += dy;
  MoveChild(tabs, margin, pages.top, client.right - 2 * margin, rowTop - margin - pages.top);
}

// An inner page control keeps its top (a sheet may hold controls above it)
// and reaches to the sheet's other edges, less its left margin.
void FormPages::FitInnerPageControl(HWND tabs) {
  RECT sheet{};
  GetClientRect(GetParent(tabs), &sheet);
  const RECT r = ChildRect(tabs);
  MoveChild(tabs, r.left, r.top, sheet.right - 2 * r.left, sheet.bottom - r.left - r.top);
}

// What the dialog templates cannot hold: the ranges of the up-down
// controls, the most characters the edits take, and the track bar scales.
void FormPages::SetUpControls() {
  for (int n = 1; n <= 16; ++n) {
    const SpinEditBounds& bounds = SpinEditFor(n);
    HWND edit = Control(bounds.id);
    HWND updown = Control(bounds.id + IDC_SPIN_PARTNER_OFFSET);
    // Without bounds the arrows run over the whole range of an int, and
    // any number of digits may be typed.
    const int low = bounds.Bounded() ? static_cast<int>(bounds.minValue) : INT_MIN;
    const int high = bounds.Bounded() ? static_cast<int>(bounds.maxValue) : INT_MAX;
    SendMessageA(updown, UDM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
    if (bounds.Bounded() && bounds.digits > 0) {
      SendMessageA(edit, EM_LIMITTEXT, static_cast<WPARAM>(bounds.digits), 0);
    }
  }
  for (int id : {IDC_TrackBarTransparency, IDC_TrackBarDragTrans}) {
    HWND bar = Control(id);
    SendMessageA(bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 255));
    SendMessageA(bar, TBM_SETPAGESIZE, 0, 15);
    SendMessageA(bar, TBM_SETTICFREQ, 15, 0);
  }
  // A caption of our own for the Start button has at most ten characters.
  SendMessageA(Control(IDC_EditStartText), EM_LIMITTEXT, 10, 0);
  // A full path of the ANSI file functions, less its terminator.
  for (int id : {IDC_EditWindowWallpaper, IDC_EditMDIWallpaper, IDC_EditTVWallpaper,
                 IDC_EditExplorerToolbar, IDC_EditIEToolbar}) {
    SendMessageA(Control(id), EM_LIMITTEXT, MAX_PATH - 1, 0);
  }
}

// The nine direction buttons of a group form a 3 x 3 grid of 17 x 17 pixel
// cells below its "Direction:" label, in reading order: the picture of the
// directions is made of pixels, so it is placed in pixels.
void FormPages::PlaceDirectionGrid(int labelId, int firstButtonId) {
  HWND label = Control(labelId);
  if (label == nullptr) return;
  HWND sheet = GetParent(label);
  const RECT at = ChildRect(label);
  const int cell = ScaledPixels(17, dpi_);
  const int pitch = cell + ScaledPixels(2, dpi_);
  const int left = at.left;
  const int top = at.bottom + ScaledPixels(3, dpi_);
  for (int i = 0; i < 9; ++i) {
    if (HWND button = GetDlgItem(sheet, firstButtonId + i)) {
      MoveChild(button, left + (i % 3) * pitch, top + (i / 3) * pitch, cell, cell);
    }
  }
  // A small font leaves less room under the label than the grid takes; the
  // control after the grid then moves down out of its way.
  const int gap = ScaledPixels(4, dpi_);
  const RECT grid{left - gap, top - gap, left + 2 * pitch + cell + gap, top + 2 * pitch + cell + gap};
  HWND next = GetWindow(GetDlgItem(sheet, firstButtonId + 8), GW_HWNDNEXT);
  if (next != nullptr) {
    const RECT r = ChildRect(next);
    RECT overlap{};
    if (IntersectRect(&overlap, &r, &grid)) OffsetChild(next, 0, grid.bottom - r.top);
  }
}

HWND FormPages::Control(int id) const {
  if (form_ == nullptr) return nullptr;
  if (!controls_.empty()) {
    const auto at = std::lower_bound(controls_.begin(), controls_.end(), std::make_pair(id, HWND{}));
    return at != controls_.end() && at->first == id ? at->second : nullptr;
  }
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
    // Just above the tab control in z-order, so that the sheet is drawn on
    // top of it, and its controls follow those that come before the tab
    // control in keyboard order.
    HWND before = GetWindow(tabs, GW_HWNDPREV);
    const UINT keepOrder = before == s.window ? SWP_NOZORDER : 0;
    SetWindowPos(s.window, before != nullptr ? before : HWND_TOP, area.left, area.top,
                 area.right - area.left, area.bottom - area.top, SWP_NOACTIVATE | keepOrder);
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
  TabSheetPlace place;
  if (!Locate(dialogId, place)) return;
  if (place.parentSheetId != 0) ShowTabSheet(place.parentSheetId);
  SelectTab(place.pageControlId, place.index);
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
