#include "options/animation_options.h"

namespace vornal::hooklib {

AnimationOptions AnimationOptionsFrom(const Settings& settings) noexcept {
  AnimationOptions o;
  o.animateOpening = settings.Get(Check::WindowsOpening);
  o.animateClosing = settings.Get(Check::WindowsClosing);
  o.animateTitled = settings.Get(Check::TitledWindows);
  o.animatePopups = settings.Get(Check::Popups);
  o.repeatLimited = settings.Get(Check::RepeatLimited);
  o.slideIn = settings.Get(Check::SlideIn);
  o.slideOut = settings.Get(Check::SlideOut);
  o.boxThickness = settings.Get(Spin::BoxThickness);
  o.openDuration = settings.Get(Spin::OpenDuration);
  o.closeDuration = settings.Get(Spin::CloseDuration);
  o.limits = {settings.Get(Spin::AnimationMinWidth), settings.Get(Spin::AnimationMinHeight),
              settings.Get(Spin::AnimationMaxWidth), settings.Get(Spin::AnimationMaxHeight)};
  o.repeatWindow = settings.Get(Spin::RepeatInterval);
  o.openStyle = settings.Get(Choice::OpenStyle);
  o.closeStyle = settings.Get(Choice::CloseStyle);
  return o;
}

}  // namespace vornal::hooklib
