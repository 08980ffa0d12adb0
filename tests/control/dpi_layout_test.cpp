// The dialog's sizes at 100, 125, 150 and 200 %.
#include <gtest/gtest.h>

#include "form/dpi_layout.h"

namespace vornal {
namespace {

struct Case {
  const char* what;
  int (*scale)(int, int, int);
  int value, fromDpi, toDpi, expected;
};

TEST(DpiLayout, SizesAndFontsAtEachDpi) {
  const Case cases[] = {
      {"form width at 150 % (685.5)", ScaleToDpi, 457, 96, 144, 686},
      {"form width at 125 % (571.25)", ScaleToDpi, 457, 96, 120, 571},
      {"back from 150 %", ScaleToDpi, 686, 144, 96, 457},
      {"left of the primary monitor (-4.5)", ScaleToDpi, -3, 96, 144, -5},
      {"no overflow in between", ScaleToDpi, 1000000000, 96, 192, 2000000000},
      {"unknown DPI", ScaleToDpi, 17, 0, 144, 17},
      // As the dialog manager makes 8 points: 10.67, 16 and 21.33 pixels.
      {"8 points to 150 %", ScaleFontHeight, -11, 96, 144, -16},
      {"8 points to 200 %", ScaleFontHeight, -11, 96, 192, -21},
      {"8 points back to 100 %", ScaleFontHeight, -21, 192, 96, -11},
      {"a cell height by the ratio", ScaleFontHeight, 13, 96, 144, 20},
      {"never any size", ScaleFontHeight, -1, 192, 96, -1},
      {"WM_DPICHANGED at 150 %", [](int w, int cur, int) { return DpiFromMessage(w, cur); },
       (144 << 16) | 144, 96, 0, 144},
      {"WM_DPICHANGED without a DPI", [](int w, int cur, int) { return DpiFromMessage(w, cur); },
       0, 120, 0, 120},
      {"WM_DPICHANGED far too large", [](int w, int cur, int) { return DpiFromMessage(w, cur); },
       (5000 << 16) | 5000, 96, 0, 96},
  };
  for (const Case& c : cases) {
    const int actual = c.scale(c.value, c.fromDpi, c.toDpi);
    EXPECT_EQ(actual, c.expected) << c.what << ": expected " << c.expected << ", got " << actual;
  }
}

TEST(DpiLayout, ControlsThatTouchStillTouch) {
  // Direction cells side by side: scaled by position and size apart they
  // would leave gaps or overlap at some DPIs.
  const DpiBox first{5, 5, 22, 22};
  const DpiBox second{22, 5, 39, 22};
  for (int dpi : {120, 144, 168, 192}) {
    const int right = ScaleBoxToDpi(first, 96, dpi).right;
    const int left = ScaleBoxToDpi(second, 96, dpi).left;
    EXPECT_EQ(right, left) << "at " << dpi << " DPI: first ends at " << right << ", second starts at " << left;
  }
  EXPECT_EQ(ScaleBoxToDpi({293, 339, 368, 362}, 96, 192), (DpiBox{586, 678, 736, 724}));
}

}  // namespace
}  // namespace vornal
