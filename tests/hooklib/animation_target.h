// The animation commands of the hooked helper (animation_target_protocol.h).
#pragma once

#include <windows.h>

namespace vornal::test {

// Registers the window classes, shows the backdrop and starts the second
// thread.
void StartAnimationTarget(HINSTANCE instance);

// Handles message when it is an animation command, setting result.
bool AnimationCommand(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace vornal::test
