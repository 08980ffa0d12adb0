// The dialog's sizes at a DPI of their own: the form is laid out once, at
// the DPI it was made at, and every later DPI takes its sizes from that
// first layout, so that moving between monitors never adds up rounding.
#pragma once

namespace vornal {

// A window's rectangle in its parent's client coordinates.
struct DpiBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const DpiBox&) const = default;
};

// The DPI of a screen at 100 %, at which the form's pixel sizes are given.
constexpr int kBaseDpi = 96;

// value at fromDpi scaled to toDpi, rounded to the nearest pixel with
// halves away from zero (as MulDiv does). A DPI of zero or less (not known)
// leaves the value as it is.
int ScaleToDpi(int value, int fromDpi, int toDpi);

// Scales the edges rather than position and size apart, so that controls
// that touch or line up at one DPI still do at another.
DpiBox ScaleBoxToDpi(const DpiBox& box, int fromDpi, int toDpi);

// A font height in the LOGFONT sense scaled to another DPI, never reaching
// zero, which would mean "any size". A character height (negative) goes
// through whole points, as the dialog manager makes the template's font
// ("8 points" is 11 pixels at 96 DPI, 16 at 144 and 21 at 192, not the 22
// that 11 doubled would give), so that the text fits the controls at every
// DPI as it does in a dialog made there; a cell height (positive) scales by
// the ratio.
int ScaleFontHeight(int height, int fromDpi, int toDpi);

// The DPI that WM_DPICHANGED reports in its wParam (the same in both
// halves); a value out of reason (zero, or above 20 times 96) is taken as
// no change, so that a bad message cannot shrink the dialog to nothing.
int DpiFromMessage(unsigned long wParam, int currentDpi);

}  // namespace vornal
