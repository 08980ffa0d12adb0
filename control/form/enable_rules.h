// Which controls of the dialog are enabled, as a pure function of what is
// checked and of what the system offers. The rules run in a fixed order,
// and a rule that asks whether another control is enabled sees the answer
// of an earlier rule of the same pass.
#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace vornal {

// What the system offers the dialog.
struct EnableFacts {
  bool osXPOrLater = false;       // shadows
  bool os98Or2000OrLater = false; // direction styles
  bool layeredWindows = false;    // SetLayeredWindowAttributes found
  bool taskbar = false;           // TaskbarWnd found
  bool desktopListView = false;   // DesktopListView found
  bool startCaptionDrawn = false; // the system draws the Start button's caption
};

// The enabled state of every control (and the two tray menu items) that a
// rule governs, by id, in the order of the rules.
class EnabledStates {
 public:
  void Set(int id, bool enabled);
  // False for an id no rule governs; Governs tells them apart.
  bool Enabled(int id) const;
  bool Governs(int id) const;
  const std::vector<std::pair<int, bool>>& All() const { return states_; }

 private:
  std::vector<std::pair<int, bool>> states_;
};

// checked(id): whether that check box or radio button is checked now.
EnabledStates EvaluateEnableRules(const std::function<bool(int id)>& checked,
                                  const EnableFacts& facts);

}  // namespace vornal
