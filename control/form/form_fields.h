// The dialog's controls as the transfer between record and dialog sees
// them: by control id, without windows, so that the transfer rules can be
// tested on their own. The form implements it on its real controls, where a
// value set here runs the control's change handler when it really changes.
#pragma once

#include <cstdint>
#include <string>

namespace vornal {

class FormFields {
 public:
  virtual ~FormFields() = default;
  virtual bool Checked(int id) const = 0;
  virtual void SetChecked(int id, bool checked) = 0;
  // Value of spin edit id by its own rules (bounds, bad text).
  virtual long long SpinValue(int id) const = 0;
  virtual void SetSpinValue(int id, long long value) = 0;
  virtual int TrackPosition(int id) const = 0;
  virtual void SetTrackPosition(int id, int position) = 0;
  // Fill colour of a colour swatch, 0x00BBGGRR.
  virtual std::uint32_t Colour(int id) const = 0;
  virtual void SetColour(int id, std::uint32_t colour) = 0;
  virtual std::string Text(int id) const = 0;
  virtual void SetText(int id, const std::string& text) = 0;
  // Check mark of a tray menu item.
  virtual void SetMenuChecked(int id, bool checked) = 0;
};

}  // namespace vornal
