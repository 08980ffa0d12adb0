// The real form at another DPI, told by a WM_DPICHANGED as Windows sends it
// when the dialog moves to another monitor, and the note on Global
// Animation while Windows' own animations are off.
#include <cstdlib>
#include <string>

#include "form/dpi_layout.h"
#include "form_fixture.h"
#include "resources/resource_ids.h"

namespace vornal::test {
namespace {

RECT ClientRectOf(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return r;
}

RECT WindowRectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

// The bottom of a control's screen rectangle in its form's client area.
int ChildBottom(HWND control, const RECT& onScreen) {
  POINT p{onScreen.left, onScreen.bottom};
  ScreenToClient(GetAncestor(control, GA_ROOT), &p);
  return p.y;
}

int FontHeight(HWND control) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  LOGFONTA lf{};
  if (font == nullptr || GetObjectA(font, sizeof lf, &lf) != sizeof lf) return 0;
  return lf.lfHeight;
}

class FormDpi : public FormFixture {
 protected:
  int StartDpi() const { return form->Pages().Dpi(); }

  // What Windows sends: the new DPI in both halves of wParam and the
  // window's suggested rectangle, here the present one grown by the ratio
  // from its top left corner.
  RECT SendDpiChanged(int dpi) {
    const RECT now = WindowRectOf(form->Handle());
    const int from = form->Pages().Dpi();
    RECT suggested{now.left, now.top, now.left + ScaleToDpi(now.right - now.left, from, dpi),
                   now.top + ScaleToDpi(now.bottom - now.top, from, dpi)};
    SendMessageA(form->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    return suggested;
  }
};

struct Grown {
  const char* what;
  int before;
  int after;
};

TEST_F(FormDpi, EverythingGrowsByTheRatioAndComesBackExactly) {
  StartForm();
  const int start = StartDpi();
  const int target = start * 2;
  HWND ok = Control(IDC_BitBtnOK);
  HWND check = Control(IDC_CheckBox1);  // on a tab sheet, two levels down
  ASSERT_NE(ok, nullptr);
  ASSERT_NE(check, nullptr);
  const RECT client = ClientRectOf(form->Handle());
  const RECT okBefore = WindowRectOf(ok);
  const RECT checkBefore = WindowRectOf(check);
  const int fontBefore = FontHeight(ok);
  ASSERT_NE(fontBefore, 0) << "the button has no font of its own";

  const RECT suggested = SendDpiChanged(target);
  EXPECT_EQ(form->Pages().Dpi(), target);
  const RECT placed = WindowRectOf(form->Handle());
  EXPECT_EQ(placed.left, suggested.left) << "the form keeps the suggested place";
  EXPECT_EQ(placed.top, suggested.top) << "the form keeps the suggested place";

  const RECT clientAfter = ClientRectOf(form->Handle());
  const RECT okAfter = WindowRectOf(ok);
  const RECT checkAfter = WindowRectOf(check);
  const Grown sizes[] = {
      {"form client width", client.right, clientAfter.right},
      {"form client height", client.bottom, clientAfter.bottom},
      {"OK button width", okBefore.right - okBefore.left, okAfter.right - okAfter.left},
      {"OK button height", okBefore.bottom - okBefore.top, okAfter.bottom - okAfter.top},
      {"check box width", checkBefore.right - checkBefore.left, checkAfter.right - checkAfter.left},
      {"OK button's font height", fontBefore, FontHeight(ok)},
  };
  for (const Grown& g : sizes) {
    const int expected = ScaleToDpi(g.before, start, target);
    // Edges round on their own, so a size may be one pixel off the ratio.
    EXPECT_LE(std::abs(g.after - expected), 1)
        << g.what << ": expected " << expected << " (" << g.before << " at " << start << " DPI), got "
        << g.after;
  }
  // The OK button keeps its margin to the bottom right corner, grown too.
  const int marginBefore = client.bottom - ChildBottom(ok, okBefore);
  const int marginAfter = clientAfter.bottom - ChildBottom(ok, okAfter);
  EXPECT_LE(std::abs(marginAfter - ScaleToDpi(marginBefore, start, target)), 1)
      << "margin below OK: " << marginBefore << " before, expected about "
      << ScaleToDpi(marginBefore, start, target) << ", got " << marginAfter;

  // Back to the first DPI: the first layout, pixel for pixel.
  SendDpiChanged(start);
  const RECT okBack = WindowRectOf(ok);
  const RECT clientBack = ClientRectOf(form->Handle());
  EXPECT_EQ(okBack.right - okBack.left, okBefore.right - okBefore.left);
  EXPECT_EQ(okBack.bottom - okBack.top, okBefore.bottom - okBefore.top);
  EXPECT_EQ(clientBack.right, client.right);
  EXPECT_EQ(clientBack.bottom, client.bottom);
  EXPECT_EQ(FontHeight(ok), fontBefore);
}

TEST_F(FormDpi, AMessageWithoutADpiChangesNothing) {
  StartForm();
  const RECT client = ClientRectOf(form->Handle());
  SendMessageA(form->Handle(), WM_DPICHANGED, 0, 0);
  const RECT after = ClientRectOf(form->Handle());
  EXPECT_EQ(after.right, client.right);
  EXPECT_EQ(after.bottom, client.bottom);
}

struct SwitchCase {
  const char* what;
  bool animationsOn;
  bool noteShown;
};

TEST_F(FormDpi, TheNoteOnWindowsOwnAnimationsFollowsTheSwitch) {
  bool animationsOn = true;
  env.clientAreaAnimation = [&] { return animationsOn; };
  StartForm();
  HWND note = Control(IDC_LabelAnimationsOff);
  ASSERT_NE(note, nullptr);
  form->Pages().ShowTabSheet(IDD_TabSheet9);
  char text[128] = {};
  GetWindowTextA(note, text, sizeof text);
  EXPECT_EQ(std::string(text), "Windows' own animations are off: no window is animated.");

  // Read again each time the dialog is shown and on Apply.
  const SwitchCase cases[] = {
      {"on at start", true, false}, {"turned off", false, true}, {"on again", true, false}};
  for (const SwitchCase& c : cases) {
    animationsOn = c.animationsOn;
    form->ShowVornal1Click();
    EXPECT_EQ(IsWindowVisible(note) != FALSE, c.noteShown) << c.what << ", on showing";
    form->FormClose();
    animationsOn = !c.animationsOn;
    Click(IDC_ButtonApply);
    EXPECT_EQ(GetWindowLongPtrA(note, GWL_STYLE) & WS_VISIBLE ? true : false, !c.noteShown)
        << c.what << ", then the other way at Apply";
  }
}

}  // namespace
}  // namespace vornal::test
