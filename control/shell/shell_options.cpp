#include "shell_options.h"

namespace vornal {

ShellOptions ShellOptionsFrom(const Settings& s) {
  ShellOptions o;
  o.iconTextClear = s.CheckFlag(16);
  o.iconTextRecheck = s.CheckFlag(17);
  o.iconTextInterval = s.SpinValue(15);
  o.iconTextColour = s.ColourValue(1);
  o.startCaptionMode = s.MultiRadio(3);
  o.startCaptionInterval = s.SpinValue(16);
  o.startText = s.Text(TextField::StartText).c_str();
  o.systemColours = s.CheckFlag(18);
  o.mdiBackground = s.ColourValue(2);
  o.desktop = s.ColourValue(3);
  return o;
}

}  // namespace vornal
