// The real form told by WM_DPICHANGED, as Windows tells it when the dialog
// moves to a monitor of another DPI; the note on Global Animation while
// Windows' own animations are off.
#include <cstdlib>

#include "form/dpi_layout.h"
#include "form_fixture.h"
#include "resources/resource_ids.h"

namespace vornal::test {
namespace {

struct Sizes {
  int clientWidth, clientHeight, okWidth, okHeight, checkWidth, font;
};

Sizes Measure(const FormMain& form) {
  RECT client{}, ok{}, check{};
  GetClientRect(form.Handle(), &client);
  GetWindowRect(form.Control(IDC_BitBtnOK), &ok);
  GetWindowRect(form.Control(IDC_CheckBox1), &check);  // two sheets down
  LOGFONTA lf{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(form.Control(IDC_BitBtnOK), WM_GETFONT, 0, 0)), sizeof lf, &lf);
  return {client.right, client.bottom, ok.right - ok.left, ok.bottom - ok.top, check.right - check.left,
          static_cast<int>(lf.lfHeight)};
}

TEST_F(FormFixture, WMDpiChangedGrowsEverythingByTheRatioAndBack) {
  StartForm();
  const int start = form->Pages().Dpi();
  const Sizes before = Measure(*form);
  RECT window{};
  GetWindowRect(form->Handle(), &window);
  RECT suggested{window.left + 7, window.top + 5, window.left + 7 + 2 * (window.right - window.left),
                 window.top + 5 + 2 * (window.bottom - window.top)};
  SendMessageA(form->Handle(), WM_DPICHANGED, MAKEWPARAM(2 * start, 2 * start), reinterpret_cast<LPARAM>(&suggested));

  const Sizes after = Measure(*form);
  const struct { const char* what; int before, after, expected; } rows[] = {
      {"client width", before.clientWidth, after.clientWidth, 2 * before.clientWidth},
      {"client height", before.clientHeight, after.clientHeight, 2 * before.clientHeight},
      {"OK width", before.okWidth, after.okWidth, 2 * before.okWidth},
      {"OK height", before.okHeight, after.okHeight, 2 * before.okHeight},
      {"check box width", before.checkWidth, after.checkWidth, 2 * before.checkWidth},
      {"font height", before.font, after.font, ScaleFontHeight(before.font, start, 2 * start)},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(r.after, r.expected) << r.what << " was " << r.before << ", got " << r.after;
  }
  GetWindowRect(form->Handle(), &window);
  EXPECT_EQ(window.left, suggested.left) << "the form is not at the suggested place";
  EXPECT_EQ(window.top, suggested.top) << "the form is not at the suggested place";

  SendMessageA(form->Handle(), WM_DPICHANGED, MAKEWPARAM(start, start), reinterpret_cast<LPARAM>(&window));
  const Sizes back = Measure(*form);
  EXPECT_EQ(back.clientWidth, before.clientWidth);
  EXPECT_EQ(back.okWidth, before.okWidth);
  EXPECT_EQ(back.font, before.font);
}

TEST_F(FormFixture, TheNoteOnWindowsOwnAnimationsFollowsTheSwitch) {
  bool on = true;
  env.clientAreaAnimation = [&] { return on; };
  StartForm();
  HWND note = Control(IDC_LabelAnimationsOff);
  ASSERT_NE(note, nullptr);
  const auto shown = [&] { return (GetWindowLongPtrA(note, GWL_STYLE) & WS_VISIBLE) != 0; };
  const struct { const char* when; bool on; void (FormMain::*read)(); } steps[] = {
      {"shown with animations off", false, &FormMain::ShowVornal1Click},
      {"applied with animations on", true, &FormMain::ButtonApplyClick},
      {"applied with animations off", false, &FormMain::ButtonApplyClick},
      {"shown again with animations on", true, &FormMain::ShowVornal1Click},
  };
  for (const auto& s : steps) {
    on = s.on;
    form->FormClose();  // showing reads the switch only when the form was hidden
    ((*form).*s.read)();
    EXPECT_EQ(shown(), !s.on) << s.when;
  }
}

}  // namespace
}  // namespace vornal::test
