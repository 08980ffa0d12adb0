// The dialog's sizes at 100, 125, 150 and 200 %: rounding, edges that stay
// together, font heights and the DPI a WM_DPICHANGED carries.
#include <gtest/gtest.h>

#include <ostream>

#include "form/dpi_layout.h"

namespace vornal {

std::ostream& operator<<(std::ostream& out, const DpiBox& b) {
  return out << "{" << b.left << ", " << b.top << ", " << b.right << ", " << b.bottom << "}";
}

namespace {

struct ScaleCase {
  const char* what;
  int value;
  int fromDpi;
  int toDpi;
  int expected;
};

TEST(DpiLayout, ValuesRoundToTheNearestPixel) {
  const ScaleCase cases[] = {
      {"form width at 150 %", 457, 96, 144, 686},  // 685.5 rounds up
      {"form height at 200 %", 369, 96, 192, 738},
      {"form width at 125 %", 457, 96, 120, 571},  // 571.25
      {"back from 150 % to 100 %", 686, 144, 96, 457},
      {"a negative position (left of the primary monitor)", -3, 96, 144, -5},  // -4.5
      {"zero stays zero", 0, 96, 192, 0},
      {"same DPI", 17, 144, 144, 17},
      {"unknown source DPI", 17, 0, 144, 17},
      {"unknown target DPI", 17, 96, -1, 17},
      {"no overflow in between", 1000000000, 96, 192, 2000000000},
  };
  for (const ScaleCase& c : cases) {
    EXPECT_EQ(ScaleToDpi(c.value, c.fromDpi, c.toDpi), c.expected)
        << c.what << ": " << c.value << " from " << c.fromDpi << " to " << c.toDpi;
  }
}

struct BoxCase {
  const char* what;
  DpiBox box;
  int fromDpi;
  int toDpi;
  DpiBox expected;
};

TEST(DpiLayout, BoxesScaleByTheirEdges) {
  const BoxCase cases[] = {
      {"OK button at 200 %", {293, 339, 368, 362}, 96, 192, {586, 678, 736, 724}},
      {"direction cell at 150 %", {19, 19, 36, 36}, 96, 144, {29, 29, 54, 54}},
      {"same DPI", {1, 2, 3, 4}, 120, 120, {1, 2, 3, 4}},
  };
  for (const BoxCase& c : cases) {
    EXPECT_EQ(ScaleBoxToDpi(c.box, c.fromDpi, c.toDpi), c.expected) << c.what;
  }
}

TEST(DpiLayout, NeighboursThatTouchStillTouch) {
  // Two direction cells side by side at odd positions: scaled apart by
  // position and size they could leave a gap or overlap at 150 %.
  const DpiBox first{5, 5, 22, 22};
  const DpiBox second{22, 5, 39, 22};
  for (int dpi : {120, 144, 168, 192}) {
    EXPECT_EQ(ScaleBoxToDpi(first, 96, dpi).right, ScaleBoxToDpi(second, 96, dpi).left)
        << "at " << dpi << " DPI";
  }
}

struct FontCase {
  const char* what;
  int height;
  int fromDpi;
  int toDpi;
  int expected;
};

TEST(DpiLayout, FontHeightsScaleAndNeverBecomeAnySize) {
  const FontCase cases[] = {
      // As the dialog manager makes 8 points at each DPI: 10.67, 16, 21.33.
      {"8 points at 96 DPI to 150 %", -11, 96, 144, -16},
      {"8 points at 96 DPI to 200 %", -11, 96, 192, -21},
      {"8 points at 200 % back to 96 DPI", -21, 192, 96, -11},
      {"9 points at 120 DPI to 150 %", -15, 120, 144, -18},
      {"cell height scales by the ratio", 13, 96, 144, 20},  // 19.5
      {"a tiny font does not reach zero", -1, 192, 96, -1},
      {"zero (any size) stays zero", 0, 96, 192, 0},
  };
  for (const FontCase& c : cases) {
    EXPECT_EQ(ScaleFontHeight(c.height, c.fromDpi, c.toDpi), c.expected) << c.what;
  }
}

struct MessageCase {
  const char* what;
  unsigned long wParam;
  int current;
  int expected;
};

TEST(DpiLayout, TheMessagesDpiIsTakenWithinReason) {
  const MessageCase cases[] = {
      {"150 %", (144ul << 16) | 144, 96, 144},
      {"back to 100 %", (96ul << 16) | 96, 192, 96},
      {"zero keeps the current DPI", 0, 120, 120},
      {"far too large keeps the current DPI", (5000ul << 16) | 5000, 96, 96},
  };
  for (const MessageCase& c : cases) {
    EXPECT_EQ(DpiFromMessage(c.wParam, c.current), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace vornal
