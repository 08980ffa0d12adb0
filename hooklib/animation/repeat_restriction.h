// The repeat restriction on the process's clock and its last animation
// time.
#pragma once

#include "options/animation_options.h"

namespace vornal::hooklib {

// Whether the repeat restriction lets an animation start now.
bool AnimationAllowedNow(const AnimationOptions& options) noexcept;

// Records now as the time of an open or close, while the restriction is on.
void NoteAnimationTime(const AnimationOptions& options) noexcept;

}  // namespace vornal::hooklib
