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

#include "form/dpi_layout.h"
#include "gdi_owners.h"

namespace vornal {

// Where a tab sheet sits: the page control holding it, its tab index there,
// and the sheet that holds that page control (0 when it is on the form).
struct TabSheetPlace {
  int pageControlId = 0;
  int index = 0;
  int parentSheetId = 0;
};

// The DPI window is shown at: its monitor's where the system tells each
// window apart (Windows 10 1607 and later), the screen's otherwise.
int WindowDpi(HWND window);

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

  // The DPI the controls are laid out for.
  int Dpi() const { return dpi_; }
  // The form's client size at the current DPI.
  DpiBox ClientBox() const;
  // Lays every control and tab sheet out again for dpi, from the layout
  // made at Create, with the dialog font scaled to match.
  void ChangeDpi(int dpi);

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
  void NoteLayout();
  void PlaceAllSheets();

  struct Placed {
    HWND window;
    DpiBox box;  // at layoutDpi_, in its parent's client coordinates
  };

  HWND form_ = nullptr;
  HWND tooltip_ = nullptr;
  std::vector<std::pair<int, HWND>> controls_;  // by id, once created
  std::vector<Sheet> layout_;
  std::vector<Placed> placed_;  // every window below the form, as first laid out
  DpiBox client_{};             // the form's client area, as first laid out
  int layoutDpi_ = kBaseDpi;    // the DPI of that first layout
  int dpi_ = kBaseDpi;
  LOGFONTA layoutFont_{};       // the dialog font of that first layout
  bool haveLayoutFont_ = false;
  UniqueFont font_;             // the dialog font scaled to dpi_, once the DPI changed
};

}  // namespace vornal
