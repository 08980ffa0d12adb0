// The repeat restriction on the process's clock and its last animation
// time.
#pragma once

namespace vornal::hooklib {

// Whether the repeat restriction lets an animation start now.
bool AnimationAllowedNow() noexcept;

// Records now as the time of an open or close, while the restriction is on.
void NoteAnimationTime() noexcept;

}  // namespace vornal::hooklib
