#include "shell/shell_options.h"

namespace vornal {

ShellOptions ShellOptionsFrom(const Settings& s) {
  ShellOptions o;
  o.iconTextClear = s.Get(Check::DesktopIconText);
  o.iconTextRecheck = s.Get(Check::IconTextRecheck);
  o.iconTextInterval = s.Get(Spin::IconTextInterval);
  o.iconTextColour = s.Get(Colour::IconText);
  o.startCaptionMode = static_cast<StartCaptionMode>(s.Get(Choice::StartCaption));
  o.startCaptionInterval = s.Get(Spin::StartCaptionInterval);
  o.startText = s.Text(TextField::StartText).c_str();
  o.systemColours = s.Get(Check::SystemColours);
  o.mdiBackground = s.Get(Colour::MdiBackground);
  o.desktop = s.Get(Colour::Desktop);
  return o;
}

}  // namespace vornal
