#include "animation/animation_options.h"

namespace vornal::hooklib {

AnimationOptions AnimationOptionsFrom(const Settings& settings) noexcept {
  AnimationOptions o;
  o.animateOpening = settings.CheckFlag(1);
  o.animateClosing = settings.CheckFlag(2);
  o.animateTitled = settings.CheckFlag(3);
  o.animatePopups = settings.CheckFlag(4);
  o.repeatLimited = settings.CheckFlag(6);
  o.slideIn = settings.CheckFlag(7);
  o.slideOut = settings.CheckFlag(8);
  o.boxThickness = settings.SpinValue(1);
  o.openDuration = settings.SpinValue(2);
  o.closeDuration = settings.SpinValue(3);
  o.limits = {settings.SpinValue(4), settings.SpinValue(5), settings.SpinValue(6),
              settings.SpinValue(7)};
  o.repeatWindow = settings.SpinValue(8);
  o.openStyle = settings.MultiRadio(1);
  o.closeStyle = settings.MultiRadio(2);
  return o;
}

}  // namespace vornal::hooklib
