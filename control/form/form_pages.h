// The page controls of the main form and the tab sheets they hold: each tab
// sheet is a child dialog from the resources, shown when its tab is chosen.
// Also lays the pages out to fill the form, sets up what the dialog
// templates cannot say (spin ranges, digit limits, track bar scales, the
// direction grids in pixels) and gives every control that has a hint its
// tooltip.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

namespace vornal {

// Where a tab sheet sits: the page control holding it, its tab index there,
// and the sheet that holds that page control (0 when it is on the form).
struct TabSheetPlace {
  int pageControlId = 0;
  int index = 0;
  int parentSheetId = 0;
};

class FormPages {
 public:
  // form is the window made from IDD_FormMain. pageProc is the dialog
  // procedure of every tab sheet; it passes their notifications to the form.
  bool Create(HINSTANCE instance, HWND form, DLGPROC pageProc, LPARAM pageParam);

  // Any control of the form or of one of its tab sheets; nullptr if none.
  HWND Control(int id) const;

  // Brings a tab sheet (IDD_TabSheetN) to the front, with the sheet that
  // holds its page control, as clicking their tabs would.
  void ShowTabSheet(int dialogId);

  // The place of tab sheet dialogId (IDD_TabSheetN); false if no page
  // control holds it.
  static bool Locate(int dialogId, TabSheetPlace& place);

  // Switches pages on TCN_SELCHANGE; true when the notification was one.
  bool OnNotify(const NMHDR& header);

 private:
  struct Sheet {
    int pageControlId;
    int dialogId;
    HWND window;
  };
  HWND PageControlWindow(int pageControlId) const;
  void SelectTab(int pageControlId, int index);
  void PlaceSheets(int pageControlId);
  void FitFormControls();
  void FitInnerPageControl(HWND tabs);
  void SetUpControls();
  void PlaceDirectionGrid(int labelId, int firstButtonId);
  void AddTooltips(HINSTANCE instance, HWND form);

  HWND form_ = nullptr;
  HWND tooltip_ = nullptr;
  std::vector<std::pair<int, HWND>> controls_;  // by id, once created
  std::vector<Sheet> layout_;
};

}  // namespace vornal
